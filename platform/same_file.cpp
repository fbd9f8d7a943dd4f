#include "platform/same_file.h"

#include <sys/stat.h>

#include <filesystem>
#include <optional>
#include <utility>

#include "platform/errors.h"
#include "platform/file_target.h"

namespace platform {
namespace {

using Identity = std::pair<dev_t, ino_t>;

std::optional<Identity> IdentityOf(const std::string& path) {
  struct stat info {};
  if (::stat(path.c_str(), &info) != 0) return std::nullopt;
  return Identity{info.st_dev, info.st_ino};
}

std::optional<Identity> FileIdentity(const FileTarget& target) {
  if (!target.IsDescriptor()) return IdentityOf(target.folder + "/" + target.name);
  struct stat info {};
  if (::fstat(target.descriptor.get(), &info) != 0) return std::nullopt;
  return Identity{info.st_dev, info.st_ino};
}

std::filesystem::path Normalised(const std::string& path) {
  std::error_code ignored;
  return std::filesystem::absolute(path, ignored).lexically_normal();
}

bool SameEntry(const FileTarget& first, const FileTarget& second) {
  if (first.IsDescriptor() || second.IsDescriptor()) return false;
  std::optional<Identity> firstFolder = IdentityOf(first.folder);
  std::optional<Identity> secondFolder = IdentityOf(second.folder);
  if (firstFolder && secondFolder) return *firstFolder == *secondFolder && first.name == second.name;
  return Normalised(first.folder) / first.name == Normalised(second.folder) / second.name;
}

}  // namespace

bool NameTheSameFile(const std::string& first, const std::string& second) {
  try {
    const FileTarget firstTarget = ResolveTarget(first);
    const FileTarget secondTarget = ResolveTarget(second);
    std::optional<Identity> firstFile = FileIdentity(firstTarget);
    std::optional<Identity> secondFile = FileIdentity(secondTarget);
    if (firstFile && secondFile) return *firstFile == *secondFile;
    if (firstFile || secondFile) return false;
    return SameEntry(firstTarget, secondTarget);
  } catch (const FileError&) {
    return Normalised(first) == Normalised(second);
  }
}

}  // namespace platform
