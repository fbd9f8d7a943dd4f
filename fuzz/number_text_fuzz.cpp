// Feeds arbitrary bytes to the typed-number reader and to ReadAngle, with
// the "." and "," separators. Any input may be rejected; none may crash.
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

#include "design/read_angle.h"
#include "platform/errors.h"
#include "platform/number_text.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string_view text(reinterpret_cast<const char*>(data), size);
  for (std::string_view separator : {".", ","}) {
    try {
      const double value = platform::StrToFloat(text, separator);
      if (std::isnan(value) || std::isinf(value)) __builtin_trap();
    } catch (const platform::ConversionError&) {
    }
  }
  // Split the input into three boxes at the first two NUL bytes.
  const std::size_t first = text.find('\0');
  const std::size_t second = first == text.npos ? text.npos : text.find('\0', first + 1);
  design::AngleTexts boxes{std::string(text.substr(0, first)),
                           first == text.npos ? "0" : std::string(text.substr(first + 1, second - first - 1)),
                           second == text.npos ? "0" : std::string(text.substr(second + 1))};
  try {
    (void)design::ReadAngle(boxes, ".");
  } catch (const platform::ConversionError&) {
  }
  return 0;
}
