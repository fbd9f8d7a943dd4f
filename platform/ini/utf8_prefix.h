#pragma once

#include <cstddef>
#include <string_view>

namespace platform {

// The first `count` characters of a UTF-8 text, never ending inside one.
// A byte that starts no valid sequence counts as a character of its own, so
// the result is at most four bytes per character whatever the input.
std::string_view Utf8Prefix(std::string_view text, std::size_t count);

}  // namespace platform
