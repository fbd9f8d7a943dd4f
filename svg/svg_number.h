#pragma once

#include <string>

namespace svg {

// A number as SVG reads it: plain decimal notation with "." whatever the
// process locale, rounded to 10 decimals (far below anything a printer
// shows) with trailing zeros dropped, so 0.5 is "0.5" and 2 is "2". A value
// that rounds to zero is "0", without sign. Throws std::domain_error for
// infinity and NaN, which no SVG reader accepts.
std::string SvgNumber(double value);

}  // namespace svg
