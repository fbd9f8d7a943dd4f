#pragma once

#include <cstdint>
#include <optional>
#include <string_view>

namespace platform {

// The integer grammar of stored values: leading blanks; then an optional
// sign and decimal digits within the signed 32-bit range, or one of the
// prefixes "$", "x", "X", "0x", "0X" and at most eight significant
// hexadecimal digits giving the 32 bits ("$FFFFFFFF" is -1); nothing after
// the digits. No sign before a hexadecimal prefix. Anything else, the empty
// text included, gives no value.
std::optional<std::int32_t> ParseIniInteger(std::string_view text);

}  // namespace platform
