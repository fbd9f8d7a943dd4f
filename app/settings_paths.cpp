#include "app/settings_paths.h"

#include "platform/paths.h"

namespace app {

std::string DefaultSettingsFileName() {
  return platform::ExtractFilePath(platform::ExecutablePath()) + "Sundial.ini";
}

std::string DefaultOutputFileName() {
  return platform::ExtractFilePath(platform::ExecutablePath()) + "Ziradadozo Rezudor.dxf";
}

}  // namespace app
