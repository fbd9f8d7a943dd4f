#include "svg/svg_number.h"

#include <charconv>
#include <cmath>
#include <stdexcept>

namespace svg {
namespace {

constexpr int kDecimals = 10;
// The largest double has 309 digits before the point.
constexpr std::size_t kLongestText = 1 + 309 + 1 + kDecimals;

void DropTrailingZeros(std::string& text) {
  if (text.find('.') == std::string::npos) return;
  text.erase(text.find_last_not_of('0') + 1);
  if (text.back() == '.') text.pop_back();
}

}  // namespace

std::string SvgNumber(double value) {
  if (!std::isfinite(value)) throw std::domain_error("the picture holds a number out of range");
  char buffer[kLongestText];
  const auto [end, error] =
      std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::fixed, kDecimals);
  if (error != std::errc()) throw std::domain_error("the picture holds a number out of range");
  std::string text(buffer, end);
  DropTrailingZeros(text);
  return text == "-0" ? "0" : text;
}

}  // namespace svg
