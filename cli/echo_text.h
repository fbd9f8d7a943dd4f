#pragma once

#include <string>
#include <string_view>

namespace cli {

// A text the user gave, made safe to print on a terminal: control
// characters become C escapes ("\n", "\t", "\x1b") and a backslash is
// doubled, so that no escape sequence reaches the terminal raw.
std::string EchoText(std::string_view text);

}  // namespace cli
