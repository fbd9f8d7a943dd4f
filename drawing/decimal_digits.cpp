#include "drawing/decimal_digits.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <cmath>
#include <string>
#include <string_view>

namespace drawing {
namespace {

constexpr int kReadDigits = 18;

// The significant digits of |value| in scientific notation with `count`
// digits, correctly rounded from the exact binary value.
std::string Scientific(double value, int count, int* exponent) {
  std::array<char, 1100> buffer{};
  auto result = std::to_chars(buffer.data(), buffer.data() + buffer.size(), std::fabs(value),
                              std::chars_format::scientific, count - 1);
  std::string_view text(buffer.data(), static_cast<std::size_t>(result.ptr - buffer.data()));
  std::size_t e = text.find('e');
  std::string digits;
  for (char c : text.substr(0, e)) {
    if (c != '.') digits.push_back(c);
  }
  int power = 0;
  std::from_chars(text.data() + e + 1 + (text[e + 1] == '+'), text.data() + text.size(), power);
  *exponent = power + 1;
  return digits;
}

}  // namespace

void RoundTo(Digits& d, int keep) {
  if (keep < 0) {
    d.digits.clear();
    return;
  }
  const auto kept = static_cast<std::size_t>(keep);
  if (kept >= d.digits.size()) return;
  const bool up = d.digits[kept] >= '5';
  d.digits.resize(kept);
  if (up) {
    std::size_t i = kept;
    while (i > 0 && d.digits[i - 1] == '9') d.digits[--i] = '0';
    if (i == 0) {
      d.digits.assign(1, '1');
      d.exponent += 1;
    } else {
      d.digits[i - 1] += 1;
    }
  }
  while (!d.digits.empty() && d.digits.back() == '0') d.digits.pop_back();
}

Digits ReadDigits(double value) {
  Digits d;
  if (value == 0.0) return d;
  constexpr int kProbe = 25;
  std::string probe = Scientific(value, kProbe, &d.exponent);
  std::string tail = probe.substr(kReadDigits);
  if (tail == "5000000") {
    // Possibly an exact half: look at every digit the double holds.
    probe = Scientific(value, 1080, &d.exponent);
  }
  d.digits = probe;
  RoundTo(d, kReadDigits);
  return d;
}

std::string ExponentForm(bool negative, const Digits& d) {
  std::string out = negative ? "-" : "";
  out += d.digits[0];
  if (d.digits.size() > 1) {
    out += '.';
    out.append(d.digits, 1);
  }
  out += 'E';
  out += std::to_string(d.exponent - 1);
  return out;
}

std::string FixedForm(double value, int precision, int decimals) {
  Digits d = ReadDigits(value);
  if (!d.digits.empty()) RoundTo(d, std::min(d.exponent + decimals, precision));
  const bool negative = std::signbit(value) && !d.digits.empty();
  if (d.exponent > precision && !d.digits.empty()) return ExponentForm(negative, d);

  std::string out = negative ? "-" : "";
  if (d.digits.empty() || d.exponent <= 0) {
    out += '0';
  } else {
    for (int i = 0; i < d.exponent; ++i) {
      out += i < static_cast<int>(d.digits.size()) ? d.digits[static_cast<std::size_t>(i)] : '0';
    }
  }
  if (decimals > 0) {
    std::string fraction;
    if (!d.digits.empty()) {
      if (d.exponent < 0) fraction.append(static_cast<std::size_t>(-d.exponent), '0');
      if (static_cast<int>(d.digits.size()) > std::max(d.exponent, 0)) {
        fraction.append(d.digits, static_cast<std::size_t>(std::max(d.exponent, 0)));
      }
    }
    fraction.resize(static_cast<std::size_t>(decimals), '0');
    out += '.';
    out += fraction;
  }
  return out;
}

std::string FormatFixed(double value, int decimals) { return FixedForm(value, 15, decimals); }

}  // namespace drawing
