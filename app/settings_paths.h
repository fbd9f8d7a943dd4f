#pragma once

#include <string>

namespace app {

// "Sundial.ini" in the executable's folder: the settings live beside the
// program.
std::string DefaultSettingsFileName();

// The output file offered when the settings name none.
std::string DefaultOutputFileName();

}  // namespace app
