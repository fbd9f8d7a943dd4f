#pragma once

#include <string>
#include <string_view>

namespace platform {

// The decimal separator of the process locale (LC_NUMERIC), "." when the
// locale names none. Call setlocale(LC_ALL, "") first to follow the user.
std::string DecimalSeparator();

// Converts a typed number to a double. The accepted text is: spaces, an
// optional sign, digits with at most one decimal separator (the separator
// alone reads as 0), an optional exponent "E"/"e" with optional sign and
// digits (no digits counts as 0), spaces. Anything else, and a value too
// large for a double, throws ConversionError. Values too small round to 0.
double StrToFloat(std::string_view text, std::string_view decimalSeparator);

}  // namespace platform
