#pragma once

#include <string>

namespace drawing {

// Degrees-minutes-seconds text of an angle in decimal degrees:
// 10.341666666666667 gives 10'20'30.00" (seconds to two decimals, then the
// seconds mark). The angle is rounded to hundredths of an arc second before
// it is split, a half rounding up. A negative angle is written with a "-"
// before the text of its magnitude.
std::string FormatDms(double angle);

}  // namespace drawing
