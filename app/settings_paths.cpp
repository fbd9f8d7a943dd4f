#include "app/settings_paths.h"

#include <unistd.h>

#include <cstdlib>

#include "platform/paths.h"

namespace app {
namespace {

constexpr char kSettingsName[] = "Sundial.ini";
constexpr char kConfigFolderName[] = "ziradadozo-rezudor/";

bool IsAbsolute(const char* path) { return path != nullptr && path[0] == '/'; }

std::string WithSlash(std::string folder) {
  if (folder.empty() || folder.back() != '/') folder += '/';
  return folder;
}

}  // namespace

bool SettingsMayBeWritten(const std::string& file) {
  // A file that exists is saved in place when its folder is closed, so the
  // file's own permission decides; a new one needs the folder.
  if (::access(file.c_str(), F_OK) == 0) return ::access(file.c_str(), W_OK) == 0;
  const std::string folder = platform::ExtractFilePath(file);
  return ::access(folder.c_str(), W_OK | X_OK) == 0;
}

ProgramFolders ChooseProgramFolders(std::string_view executablePath, const char* configHome,
                                    const char* home, MayWrite mayWrite) {
  const std::string executableFolder = platform::ExtractFilePath(executablePath);
  const std::string besideProgram = executableFolder + kSettingsName;
  if (!executableFolder.empty() && mayWrite(besideProgram)) {
    return {besideProgram, executableFolder};
  }
  const std::string homeFolder = WithSlash(IsAbsolute(home) ? home : "/");
  const std::string configFolder =
      IsAbsolute(configHome) ? WithSlash(configHome) : homeFolder + ".config/";
  return {configFolder + kConfigFolderName + kSettingsName, homeFolder};
}

const ProgramFolders& CurrentProgramFolders() {
  static const ProgramFolders folders =
      ChooseProgramFolders(platform::ExecutablePath(), std::getenv("XDG_CONFIG_HOME"),
                           std::getenv("HOME"), SettingsMayBeWritten);
  return folders;
}

std::string DefaultSettingsFileName() { return CurrentProgramFolders().settingsFile; }

}  // namespace app
