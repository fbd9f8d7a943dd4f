#include "platform/ini/utf8_prefix.h"

namespace platform {
namespace {

bool IsContinuation(unsigned char byte) { return (byte & 0xC0) == 0x80; }

// How many bytes a sequence starting with `lead` claims, 1 for a byte that
// starts no sequence.
std::size_t ClaimedLength(unsigned char lead) {
  if (lead >= 0xC0 && lead < 0xE0) return 2;
  if (lead >= 0xE0 && lead < 0xF0) return 3;
  if (lead >= 0xF0 && lead < 0xF8) return 4;
  return 1;
}

std::size_t CharacterLength(std::string_view text, std::size_t start) {
  std::size_t claimed = ClaimedLength(static_cast<unsigned char>(text[start]));
  std::size_t length = 1;
  while (length < claimed && start + length < text.size() &&
         IsContinuation(static_cast<unsigned char>(text[start + length]))) {
    ++length;
  }
  return length;
}

}  // namespace

std::string_view Utf8Prefix(std::string_view text, std::size_t count) {
  std::size_t end = 0;
  for (std::size_t seen = 0; seen < count && end < text.size(); ++seen) {
    end += CharacterLength(text, end);
  }
  return text.substr(0, end);
}

}  // namespace platform
