#pragma once

#include <string>
#include <string_view>

namespace cli {

// A text the user gave, made safe to print on a terminal: control
// characters, also the C1 controls as UTF-8 writes them, become C escapes
// ("\n", "\t", "\x1b", "\xc2\x9b") and a backslash is doubled, so that no
// escape sequence reaches the terminal raw.
std::string EchoText(std::string_view text);

// EchoText in single quotes, as a message quotes a value: 'text'.
std::string QuotedEcho(std::string_view text);

}  // namespace cli
