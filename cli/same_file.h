#pragma once

#include <string>

namespace cli {

// Whether two file names given on the command line lead to the same file,
// whether or not it exists yet: "dial", "./dial" and its absolute path do.
bool SameFile(const std::string& first, const std::string& second);

}  // namespace cli
