#pragma once

#include <string>

namespace dxf {

// The DXF file's number texts, built on the drawing's digit logic
// (drawing/decimal_digits.h): "." as the decimal point whatever the locale.

// Coordinate form: fixed form with at most 10 significant digits and exactly
// 10 decimals ("1.2586746620", "-0.2000000000").
std::string FormatCoordinate(double value);

// General form: at most 15 significant digits, trailing zeros dropped
// ("90", "0.0001", "1E-5").
std::string FormatGeneral(double value);

}  // namespace dxf
