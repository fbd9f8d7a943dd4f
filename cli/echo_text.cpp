#include "cli/echo_text.h"

namespace cli {
namespace {

void AppendHex(unsigned char byte, std::string& out) {
  static constexpr char kHex[] = "0123456789abcdef";
  out.append("\\x").push_back(kHex[byte >> 4]);
  out.push_back(kHex[byte & 0xf]);
}

bool IsControl(unsigned char byte) { return byte < 0x20 || byte == 0x7f; }

// U+0080 to U+009F: a terminal may take U+009B as the start of a sequence.
bool IsUtf8C1Control(std::string_view text, std::size_t at) {
  return static_cast<unsigned char>(text[at]) == 0xc2 && at + 1 < text.size() &&
         static_cast<unsigned char>(text[at + 1]) >= 0x80 &&
         static_cast<unsigned char>(text[at + 1]) <= 0x9f;
}

}  // namespace

std::string EchoText(std::string_view text) {
  std::string echoed;
  for (std::size_t i = 0; i < text.size(); ++i) {
    const auto byte = static_cast<unsigned char>(text[i]);
    if (byte == '\\') {
      echoed.append("\\\\");
    } else if (byte == '\n') {
      echoed.append("\\n");
    } else if (byte == '\t') {
      echoed.append("\\t");
    } else if (IsControl(byte)) {
      AppendHex(byte, echoed);
    } else if (IsUtf8C1Control(text, i)) {
      AppendHex(byte, echoed);
      AppendHex(static_cast<unsigned char>(text[++i]), echoed);
    } else {
      echoed.push_back(text[i]);
    }
  }
  return echoed;
}

std::string QuotedEcho(std::string_view text) {
  std::string quoted = "'";
  quoted.append(EchoText(text)).push_back('\'');
  return quoted;
}

}  // namespace cli
