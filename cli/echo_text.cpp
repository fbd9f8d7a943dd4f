#include "cli/echo_text.h"

namespace cli {

std::string EchoText(std::string_view text) {
  static constexpr char kHex[] = "0123456789abcdef";
  std::string echoed;
  for (char c : text) {
    const auto byte = static_cast<unsigned char>(c);
    if (c == '\\') {
      echoed.append("\\\\");
    } else if (c == '\n') {
      echoed.append("\\n");
    } else if (c == '\t') {
      echoed.append("\\t");
    } else if (byte < 0x20 || byte == 0x7f) {
      echoed.append("\\x").push_back(kHex[byte >> 4]);
      echoed.push_back(kHex[byte & 0xf]);
    } else {
      echoed.push_back(c);
    }
  }
  return echoed;
}

}  // namespace cli
