#include "platform/ini/ini_integer.h"

#include <cstdint>
#include <limits>
#include <optional>
#include <string_view>

namespace platform {
namespace {

constexpr std::size_t kMaxHexDigits = 8;

bool IsBlank(char c) { return c == ' ' || c == '\t'; }

bool IsDecimalDigit(char c) { return c >= '0' && c <= '9'; }

std::optional<unsigned> HexDigitValue(char c) {
  if (IsDecimalDigit(c)) return static_cast<unsigned>(c - '0');
  if (c >= 'a' && c <= 'f') return static_cast<unsigned>(c - 'a' + 10);
  if (c >= 'A' && c <= 'F') return static_cast<unsigned>(c - 'A' + 10);
  return std::nullopt;
}

// The length of a hexadecimal prefix at the start of `text`, 0 when none.
// "0x" is tried before the decimal reading so that its "0" is not taken as
// a number followed by trailing text.
std::size_t HexPrefixLength(std::string_view text) {
  if (text.starts_with("0x") || text.starts_with("0X")) return 2;
  if (text.starts_with('$') || text.starts_with('x') || text.starts_with('X')) return 1;
  return 0;
}

std::optional<std::int32_t> ParseHexDigits(std::string_view digits) {
  if (digits.empty()) return std::nullopt;
  std::size_t significant = digits.find_first_not_of('0');
  if (significant == std::string_view::npos) return 0;
  digits.remove_prefix(significant);
  if (digits.size() > kMaxHexDigits) return std::nullopt;
  std::uint32_t bits = 0;
  for (char c : digits) {
    std::optional<unsigned> digit = HexDigitValue(c);
    if (!digit) return std::nullopt;
    bits = (bits << 4) | *digit;
  }
  // The digits give the 32 bits, so "$FFFFFFFF" is -1.
  return static_cast<std::int32_t>(bits);
}

std::optional<std::int32_t> ParseDecimal(std::string_view text) {
  bool negative = text.starts_with('-');
  if (negative || text.starts_with('+')) text.remove_prefix(1);
  if (text.empty()) return std::nullopt;
  // The magnitude of the most negative value is one more than the largest.
  const std::int64_t limit =
      std::int64_t{std::numeric_limits<std::int32_t>::max()} + (negative ? 1 : 0);
  std::int64_t magnitude = 0;
  for (char c : text) {
    if (!IsDecimalDigit(c)) return std::nullopt;
    magnitude = magnitude * 10 + (c - '0');
    if (magnitude > limit) return std::nullopt;
  }
  return static_cast<std::int32_t>(negative ? -magnitude : magnitude);
}

}  // namespace

std::optional<std::int32_t> ParseIniInteger(std::string_view text) {
  while (!text.empty() && IsBlank(text.front())) text.remove_prefix(1);
  std::size_t prefix = HexPrefixLength(text);
  if (prefix > 0) return ParseHexDigits(text.substr(prefix));
  return ParseDecimal(text);
}

}  // namespace platform
