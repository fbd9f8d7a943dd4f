#include "cli/dial_maker_options.h"

#include <charconv>
#include <cmath>

#include "cli/options.h"
#include "design/equation_of_time.h"
#include "design/plate_geometry.h"

namespace cli {
namespace {

constexpr int kMinuteSteps[] = {30, 20, 15, 10, 5};

bool ValueOf(std::string_view arg, std::string_view name, std::string_view* value) {
  if (arg.size() <= name.size() || arg.substr(0, name.size()) != name || arg[name.size()] != '=') {
    return false;
  }
  *value = arg.substr(name.size() + 1);
  return true;
}

}  // namespace

int ReadMinuteStep(std::string_view text) {
  int step = 0;
  const auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), step);
  const bool whole = ec == std::errc() && end == text.data() + text.size();
  for (const int allowed : kMinuteSteps) {
    if (whole && step == allowed) return step;
  }
  throw UsageError("--minutes takes 30, 20, 15, 10 or 5, not '" + std::string(text) + "'");
}

// The number is read with "." whatever the locale.
void ReadStyleThickness(std::string_view text, DialMakerOptions& options) {
  double value = 0;
  const char* last = text.data() + text.size();
  const auto [end, ec] = std::from_chars(text.data(), last, value);
  const std::string_view symbol(end, last - end);
  const std::optional<svg::LengthUnit> unit = svg::UnitFromSymbol(symbol);
  if (ec != std::errc() || (!symbol.empty() && !unit) || !std::isfinite(value) || !(value > 0)) {
    throw UsageError(
        "--style-thickness takes a positive number, with a unit mm, cm or in, or without "
        "one in drawing units, such as 3mm or 0.03, not '" +
        std::string(text) + "'");
  }
  options.thicknessValue = value;
  options.thicknessUnit = unit;
}

bool ReadDialMakerOption(std::string_view arg, DialMakerOptions& options) {
  std::string_view value;
  if (arg == "--eot-table") {
    options.eotTable = true;
  } else if (arg == "--eot-csv") {
    options.eotCsv = true;
  } else if (ValueOf(arg, "--minutes", &value)) {
    options.minuteStep = ReadMinuteStep(value);
  } else if (ValueOf(arg, "--style-thickness", &value)) {
    ReadStyleThickness(value, options);
  } else {
    return false;
  }
  return true;
}

design::DialOptions ToDialOptions(const DialMakerOptions& options,
                                  const svg::PrintLength& gnomonLength) {
  design::DialOptions dial;
  dial.minuteStep = options.minuteStep;
  dial.correctionTable = options.eotTable;
  if (options.thicknessValue) {
    dial.styleThickness =
        options.thicknessUnit
            ? svg::Millimetres({*options.thicknessValue, *options.thicknessUnit}) /
                  svg::Millimetres(gnomonLength)
            : *options.thicknessValue;
    // Both faces must stand on the plate.
    if (!(dial.styleThickness > 0 && dial.styleThickness < 2 * design::kPlateHalfWidth)) {
      throw UsageError(
          "--style-thickness must be more than 0 and less than the plate's width, 1 drawing "
          "unit (the gnomon's length)");
    }
  }
  return dial;
}

std::string CorrectionCsv() {
  std::string csv = "month,day,add_seconds\n";
  for (const design::CorrectionEntry& entry : design::CorrectionTable()) {
    csv += std::to_string(entry.month) + "," + std::to_string(entry.day) + "," +
           std::to_string(entry.addSeconds) + "\n";
  }
  return csv;
}

}  // namespace cli
