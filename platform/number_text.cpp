#include "platform/number_text.h"

#include <algorithm>
#include <charconv>
#include <clocale>
#include <cstdint>
#include <string>

#include "platform/errors.h"

namespace platform {
namespace {

// Exponents beyond this saturate: every such value over- or underflows.
constexpr std::int64_t kExponentLimit = 100000;

struct Cursor {
  std::string_view text;
  std::size_t pos = 0;

  bool AtEnd() const { return pos >= text.size(); }
  char Peek() const { return AtEnd() ? '\0' : text[pos]; }
  bool Take(char c) {
    if (Peek() != c) return false;
    ++pos;
    return true;
  }
  bool Take(std::string_view s) {
    if (s.empty() || text.substr(pos, s.size()) != s) return false;
    pos += s.size();
    return true;
  }
  void SkipSpaces() {
    while (Take(' ')) {
    }
  }
};

bool IsDigit(char c) { return c >= '0' && c <= '9'; }

[[noreturn]] void Fail(std::string_view text) {
  throw ConversionError("'" + std::string(text) + "' is not a valid floating point value");
}

// The number in a separator-free form: significant digits and the power of
// ten that scales them as an integer.
struct Decimal {
  bool negative = false;
  std::string digits;
  std::int64_t exponent = 0;
};

Decimal Parse(std::string_view text, std::string_view separator) {
  Cursor in{text};
  Decimal d;
  in.SkipSpaces();
  if (in.Take('-')) {
    d.negative = true;
  } else {
    in.Take('+');
  }
  bool sawDigit = false;
  bool sawSeparator = false;
  std::int64_t fractionDigits = 0;
  for (;;) {
    char c = in.Peek();
    if (IsDigit(c)) {
      ++in.pos;
      sawDigit = true;
      if (sawSeparator) ++fractionDigits;
      if (c != '0' || !d.digits.empty()) d.digits.push_back(c);
    } else if (!sawSeparator && in.Take(separator)) {
      sawSeparator = true;
    } else {
      break;
    }
  }
  if (!sawDigit && !sawSeparator) Fail(text);
  std::int64_t exponent = 0;
  if (in.Take('E') || in.Take('e')) {
    bool negativeExponent = false;
    if (in.Take('-')) negativeExponent = true;
    else in.Take('+');
    while (IsDigit(in.Peek())) {
      exponent = std::min(exponent * 10 + (in.Peek() - '0'), kExponentLimit);
      ++in.pos;
    }
    if (negativeExponent) exponent = -exponent;
  }
  in.SkipSpaces();
  if (!in.AtEnd()) Fail(text);
  d.exponent = exponent - fractionDigits;
  return d;
}

double ToDouble(const Decimal& d, std::string_view text) {
  if (d.digits.empty()) return d.negative ? -0.0 : 0.0;
  std::string s = d.digits + "e" + std::to_string(d.exponent);
  double value = 0.0;
  auto [end, ec] = std::from_chars(s.data(), s.data() + s.size(), value);
  if (ec == std::errc::result_out_of_range) {
    // Out of range either way: a value above the largest double is no
    // number we can hold, one below the smallest reads as zero.
    const auto magnitude = static_cast<std::int64_t>(d.digits.size()) + d.exponent;
    if (magnitude > 0) Fail(text);
    value = 0.0;
  } else if (ec != std::errc() || end != s.data() + s.size()) {
    Fail(text);
  }
  return d.negative ? -value : value;
}

}  // namespace

std::string DecimalSeparator() {
  const std::lconv* conventions = std::localeconv();
  if (conventions == nullptr || conventions->decimal_point == nullptr ||
      conventions->decimal_point[0] == '\0') {
    return ".";
  }
  return conventions->decimal_point;
}

double StrToFloat(std::string_view text, std::string_view decimalSeparator) {
  return ToDouble(Parse(text, decimalSeparator), text);
}

}  // namespace platform
