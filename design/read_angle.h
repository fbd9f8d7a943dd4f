#pragma once

#include <string>
#include <string_view>

#include "design/design_inputs.h"
#include "platform/errors.h"

namespace design {

// One of a coordinate's three boxes held a text that is no number.
class UnreadableAngleText : public platform::ConversionError {
 public:
  enum class Part { Degrees, Minutes, Seconds };
  UnreadableAngleText(Part part, std::string text)
      : platform::ConversionError("\"" + text + "\" is not a number"),
        part_(part),
        text_(std::move(text)) {}
  Part part() const { return part_; }
  const std::string& text() const { return text_; }

 private:
  Part part_;
  std::string text_;
};

// The signed angle in decimal degrees of one coordinate's three boxes. The
// sign comes from a "-" anywhere in the degrees text; the magnitudes of
// degrees, minutes / 60 and seconds / 3600 are added. Numbers are read with
// `decimalSeparator`, degrees first; a text that is no number throws
// UnreadableAngleText.
double ReadAngle(const AngleTexts& texts, std::string_view decimalSeparator);

}  // namespace design
