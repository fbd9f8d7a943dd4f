#pragma once

#include <string_view>

#include "design/design_inputs.h"

namespace design {

// The signed angle in decimal degrees of one coordinate's three boxes. The
// sign comes from a "-" anywhere in the degrees text; the magnitudes of
// degrees, minutes / 60 and seconds / 3600 are added. Numbers are read with
// `decimalSeparator`; a text that is no number throws
// platform::ConversionError.
double ReadAngle(const AngleTexts& texts, std::string_view decimalSeparator);

}  // namespace design
