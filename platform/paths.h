#pragma once

#include <string>
#include <string_view>

namespace platform {

// The folder part of a path: everything up to and including the last "/",
// empty when there is none.
std::string ExtractFilePath(std::string_view path);

// The full path of the running executable; empty when it cannot be told.
std::string ExecutablePath();

}  // namespace platform
