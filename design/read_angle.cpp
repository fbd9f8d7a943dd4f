#include "design/read_angle.h"

#include <cmath>

#include "platform/number_text.h"

namespace design {

double ReadAngle(const AngleTexts& texts, std::string_view decimalSeparator) {
  using platform::StrToFloat;
  const double degrees = std::fabs(StrToFloat(texts.degrees, decimalSeparator));
  const bool negative = texts.degrees.find('-') != std::string::npos;
  const double minutes = std::fabs(StrToFloat(texts.minutes, decimalSeparator) / 60);
  const double seconds = std::fabs(StrToFloat(texts.seconds, decimalSeparator) / 3600);
  const double angle = degrees + minutes + seconds;
  return negative ? -angle : angle;
}

}  // namespace design
