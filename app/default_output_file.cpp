#include "app/default_output_file.h"

#include "app/settings_paths.h"

namespace app {

std::string DefaultOutputFileName() {
  return CurrentProgramFolders().outputFolder + "Ziradadozo Rezudor.dxf";
}

}  // namespace app
