#include "drawing/angle_text.h"

#include <cmath>
#include <cstdint>
#include <string>

#include "drawing/decimal_digits.h"

namespace drawing {
namespace {

constexpr double kHundredthsPerDegree = 360000.0;

// The exact product angle * 360000 rounded to the nearest whole number, a
// half rounding up. The rounding error of the double product comes from an
// fma, so a product that only looks like a half is decided correctly.
std::int64_t HundredthsOfSecond(double angle) {
  const double product = angle * kHundredthsPerDegree;
  const double error = std::fma(angle, kHundredthsPerDegree, -product);
  const double whole = std::floor(product);
  const double fromHalf = (product - whole) - 0.5;
  const bool up = fromHalf > 0.0 || (fromHalf == 0.0 && error >= 0.0);
  return static_cast<std::int64_t>(whole) + (up ? 1 : 0);
}

}  // namespace

std::string FormatDms(double angle) {
  if (std::signbit(angle) && angle != 0.0) return FormatDms(-angle).insert(0, 1, '-');
  const std::int64_t total = HundredthsOfSecond(angle);
  const std::int64_t degrees = total / 360000;
  const std::int64_t minutes = (total / 6000) % 60;
  const std::int64_t hundredths = total % 6000;
  return std::to_string(degrees) + "'" + std::to_string(minutes) + "'" +
         FormatFixed(static_cast<double>(hundredths) / 100.0, 2) + "\"";
}

}  // namespace drawing
