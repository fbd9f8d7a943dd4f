#pragma once

#include <string>

namespace cli {

// --help: the usage and every option, ending in a line break.
std::string HelpText();

// --version: the name and version, then the copyright and licence.
std::string VersionText();

// The second line of a usage error.
std::string TryHelpText();

}  // namespace cli
