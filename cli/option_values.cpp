#include "cli/option_values.h"

#include <charconv>
#include <cmath>
#include <string>

#include "cli/echo_text.h"
#include "cli/options.h"

namespace cli {
namespace {

constexpr double kShortestGnomonMm = 1e-3;
constexpr double kLongestGnomonMm = 1e6;

bool AllDigits(std::string_view text) {
  return !text.empty() && text.size() <= 3 &&
         text.find_first_not_of("0123456789") == std::string_view::npos;
}

}  // namespace

design::DialZone ZoneValue(std::string_view text, bool daylightSaving) {
  if (text == "LAT") return design::DialZone::LocalApparentTime();
  if (text == "none") return design::DialZone::NotChosen(daylightSaving);
  const bool negative = !text.empty() && text.front() == '-';
  std::string_view digits = text;
  if (!text.empty() && (text.front() == '+' || text.front() == '-')) digits.remove_prefix(1);
  int offset = 0;
  if (AllDigits(digits)) std::from_chars(digits.data(), digits.data() + digits.size(), offset);
  if (negative) offset = -offset;
  if (!AllDigits(digits) || offset < -12 || offset > 13) {
    throw UsageError("--zone takes a GMT offset from -12 to +13, LAT or none, not " +
                     QuotedEcho(text));
  }
  return design::DialZone::Gmt(offset, daylightSaving);
}

drawing::PrintLength GnomonLengthValue(std::string_view text) {
  double value = 0;
  const char* first = text.data();
  const char* last = first + text.size();
  const auto [end, ec] = std::from_chars(first, last, value, std::chars_format::general);
  const std::optional<drawing::LengthUnit> unit = drawing::UnitFromSymbol(std::string_view(end, last));
  if (ec != std::errc() || !unit || !std::isfinite(value) || !(value > 0)) {
    throw UsageError(
        "--gnomon-length takes a positive number and a unit mm, cm or in, such as "
        "100mm or 2.5in, not " +
        QuotedEcho(text));
  }
  const drawing::PrintLength length{value, *unit};
  const double millimetres = drawing::Millimetres(length);
  if (!(millimetres >= kShortestGnomonMm && millimetres <= kLongestGnomonMm)) {
    throw UsageError("--gnomon-length must be from 0.001mm to 1000000mm (1 km), not " +
                     QuotedEcho(text));
  }
  return length;
}

pdf::Paper PaperValue(std::string_view text) {
  const std::optional<pdf::Paper> paper = pdf::PaperFromName(text);
  if (!paper) throw UsageError("--paper takes a4, letter or a3, not " + QuotedEcho(text));
  return *paper;
}

design::AngleTexts CoordinateValue(std::string_view text, std::string_view option) {
  std::string parts[3] = {"0", "0", "0"};
  std::size_t count = 0;
  std::size_t start = 0;
  for (;;) {
    const std::size_t colon = text.find(':', start);
    if (count == 3) {
      throw UsageError(std::string(option) + " takes decimal degrees or DEG:MIN:SEC, not " +
                       QuotedEcho(text));
    }
    parts[count++] = std::string(text.substr(start, colon - start));
    if (colon == std::string_view::npos) break;
    start = colon + 1;
  }
  return {parts[0], parts[1], parts[2]};
}

}  // namespace cli
