#pragma once

#include <string>

namespace drawing {

// The digit logic behind every number the drawing writes: decimal digits
// taken from the exact binary value, rounded by our own rules, with "." as
// the decimal point whatever the locale.

// A magnitude as 0.d1d2...dn times 10 to the power `exponent`, d1 not zero;
// no digits at all for zero.
struct Digits {
  std::string digits;
  int exponent = 0;
};

// The first 18 significant digits of |value|, rounded to the nearest with a
// half rounding up. Ties are decided on the exact binary value.
Digits ReadDigits(double value);

// Rounds `d` to its first `keep` digits (none when `keep` is negative), a
// dropped 5 or more rounding up, and drops trailing zeros.
void RoundTo(Digits& d, int keep);

// "-" when negative, the first digit, "." and the other digits when there
// are any, "E" and the power of ten: "1.5E-7", "1E20".
std::string ExponentForm(bool negative, const Digits& d);

// Fixed form with at most `precision` significant digits and exactly
// `decimals` decimals; exponent form when the integer part needs more
// digits than `precision`.
std::string FixedForm(double value, int precision, int decimals);

// Fixed form with at most 15 significant digits and exactly `decimals`
// (0 to 18) decimals: the seconds of an angle text.
std::string FormatFixed(double value, int decimals);

}  // namespace drawing
