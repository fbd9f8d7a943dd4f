#pragma once

#include <string>

namespace app {

// The drawing offered when the settings name none: "Ziradadozo Rezudor.dxf"
// in the folder the settings place chose (app/settings_paths.h).
std::string DefaultOutputFileName();

}  // namespace app
