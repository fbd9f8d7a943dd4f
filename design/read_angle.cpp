#include "design/read_angle.h"

#include <cmath>

#include "platform/number_text.h"

namespace design {
namespace {

double ReadPart(const std::string& text, UnreadableAngleText::Part part,
                std::string_view decimalSeparator) {
  try {
    return platform::StrToFloat(text, decimalSeparator);
  } catch (const platform::ConversionError&) {
    throw UnreadableAngleText(part, text);
  }
}

}  // namespace

double ReadAngle(const AngleTexts& texts, std::string_view decimalSeparator) {
  using Part = UnreadableAngleText::Part;
  const double degrees = std::fabs(ReadPart(texts.degrees, Part::Degrees, decimalSeparator));
  const bool negative = texts.degrees.find('-') != std::string::npos;
  const double minutes = std::fabs(ReadPart(texts.minutes, Part::Minutes, decimalSeparator) / 60);
  const double seconds = std::fabs(ReadPart(texts.seconds, Part::Seconds, decimalSeparator) / 3600);
  const double angle = degrees + minutes + seconds;
  return negative ? -angle : angle;
}

}  // namespace design
