#include "cli/dial_maker_options.h"

#include <charconv>
#include <cmath>

#include "cli/echo_text.h"
#include "cli/options.h"
#include "design/equation_of_time.h"
#include "design/plate_geometry.h"

namespace cli {
namespace {

constexpr int kMinuteSteps[] = {30, 20, 15, 10, 5};

}  // namespace

int ReadMinuteStep(std::string_view text) {
  int step = 0;
  const auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), step);
  const bool whole = ec == std::errc() && end == text.data() + text.size();
  for (const int allowed : kMinuteSteps) {
    if (whole && step == allowed) return step;
  }
  throw UsageError("--minutes takes 30, 20, 15, 10 or 5, not " + QuotedEcho(text));
}

// The number is read with "." whatever the locale.
void ReadStyleThickness(std::string_view text, DialMakerOptions& options) {
  double value = 0;
  const char* last = text.data() + text.size();
  const auto [end, ec] = std::from_chars(text.data(), last, value);
  const std::string_view symbol(end, last - end);
  const std::optional<drawing::LengthUnit> unit = drawing::UnitFromSymbol(symbol);
  if (ec != std::errc() || (!symbol.empty() && !unit) || !std::isfinite(value) || !(value > 0)) {
    throw UsageError(
        "--style-thickness takes a positive number, with a unit mm, cm or in, or without "
        "one in drawing units, such as 3mm or 0.03, not " +
        QuotedEcho(text));
  }
  options.thicknessValue = value;
  options.thicknessUnit = unit;
}

design::DialOptions ToDialOptions(const DialMakerOptions& options,
                                  const drawing::PrintLength& gnomonLength) {
  design::DialOptions dial;
  dial.minuteStep = options.minuteStep;
  dial.correctionTable = options.eotTable;
  if (options.thicknessValue) {
    dial.styleThickness =
        options.thicknessUnit
            ? drawing::Millimetres({*options.thicknessValue, *options.thicknessUnit}) /
                  drawing::Millimetres(gnomonLength)
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
