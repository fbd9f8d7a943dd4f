#pragma once

#include <string>

namespace pdf {

// A number as PDF writes it: "." as the decimal point whatever the locale,
// at most four decimals (a ten-thousandth of a point), trailing zeros and a
// bare point dropped, never an exponent ("595.2756", "-12.5", "0").
std::string PdfNumber(double value);

}  // namespace pdf
