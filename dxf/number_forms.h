#pragma once

#include <string>

namespace dxf {

// Every number in the drawing is written by these functions, digit by digit,
// with "." as the decimal point whatever the locale.

// Fixed form with at most 15 significant digits and exactly `decimals`
// (0 to 18) decimals; exponent form when the integer part needs more digits.
std::string FormatFixed(double value, int decimals);

// Coordinate form: fixed form with at most 10 significant digits and exactly
// 10 decimals ("1.2586746620", "-0.2000000000").
std::string FormatCoordinate(double value);

// General form: at most 15 significant digits, trailing zeros dropped
// ("90", "0.0001", "1E-5").
std::string FormatGeneral(double value);

}  // namespace dxf
