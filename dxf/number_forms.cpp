#include "dxf/number_forms.h"

#include <cmath>
#include <string>

#include "drawing/decimal_digits.h"

namespace dxf {

using drawing::Digits;

std::string FormatCoordinate(double value) { return drawing::FixedForm(value, 10, 10); }

std::string FormatGeneral(double value) {
  if (value == 0.0) return "0";
  constexpr int kPrecision = 15;
  Digits d = drawing::ReadDigits(value);
  drawing::RoundTo(d, kPrecision);
  const bool negative = std::signbit(value);
  if (d.exponent > kPrecision || d.exponent < -3) return drawing::ExponentForm(negative, d);

  std::string out = negative ? "-" : "";
  if (d.exponent <= 0) {
    out += "0.";
    out.append(static_cast<std::size_t>(-d.exponent), '0');
    out += d.digits;
    return out;
  }
  const auto whole = static_cast<std::size_t>(d.exponent);
  std::string integer = d.digits.substr(0, whole);
  integer.resize(whole, '0');
  out += integer;
  if (d.digits.size() > whole) {
    out += '.';
    out.append(d.digits, whole);
  }
  return out;
}

}  // namespace dxf
