#pragma once

#include <string>
#include <string_view>

namespace app {

// Where this user's settings file lies, and the folder the drawing goes to
// until the user names another.
struct ProgramFolders {
  std::string settingsFile;
  // With its trailing "/".
  std::string outputFolder;
};

// Whether a file may be created or replaced at `path`.
using MayWrite = bool (*)(const std::string& path);

// "Sundial.ini" beside the executable, with drawings beside it too, whenever
// that file may be written there. An installed program usually may not: its
// settings then live in the user's configuration folder ($XDG_CONFIG_HOME,
// or ~/.config when that is unset or not absolute), under
// "ziradadozo-rezudor/", and drawings go to the home folder.
ProgramFolders ChooseProgramFolders(std::string_view executablePath, const char* configHome,
                                    const char* home, MayWrite mayWrite);

// Whether the settings file at `file` may be saved: an existing file when
// it is writable itself (in a closed folder it is rewritten in place), a new
// one when its folder takes new files.
bool SettingsMayBeWritten(const std::string& file);

// ChooseProgramFolders for this process, its environment and its rights;
// chosen once, on the first call.
const ProgramFolders& CurrentProgramFolders();

// The settings file of CurrentProgramFolders().
std::string DefaultSettingsFileName();

}  // namespace app
