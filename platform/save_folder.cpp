#include "platform/save_folder.h"

#include <dirent.h>
#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <memory>

#include "platform/errors.h"
#include "platform/temporary_file.h"

namespace platform {
namespace {

struct CloseListing {
  void operator()(DIR* listing) const { ::closedir(listing); }
};

}  // namespace

SaveFolder OpenSaveFolder(const std::string& folder, const std::string& path) {
  SaveFolder opened;
  opened.fd = FileDescriptor(::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
  // A folder that may be entered but not listed still takes new files.
  if (!opened.fd.IsOpen() && errno == EACCES) {
    opened.fd = FileDescriptor(::open(folder.c_str(), O_PATH | O_DIRECTORY | O_CLOEXEC));
  }
  if (!opened.fd.IsOpen()) throw FileError(path, errno);
  struct stat info {};
  if (::fstat(opened.fd.get(), &info) != 0) throw FileError(path, errno);
  opened.device = info.st_dev;
  opened.inode = info.st_ino;
  opened.mode = info.st_mode;
  opened.owner = info.st_uid;
  return opened;
}

void LockSaveFolders(std::vector<SaveFolder*> folders) {
  std::sort(folders.begin(), folders.end(), [](const SaveFolder* a, const SaveFolder* b) {
    return std::pair(a->device, a->inode) < std::pair(b->device, b->inode);
  });
  for (SaveFolder* folder : folders) {
    int result;
    do {
      result = ::flock(folder->fd.get(), LOCK_EX);
    } while (result != 0 && errno == EINTR);
    folder->locked = result == 0;
  }
}

void SweepSpareFiles(const SaveFolder& folder, std::string_view name) {
  if (!folder.locked) return;
  FileDescriptor listing(::openat(folder.fd.get(), ".", O_RDONLY | O_DIRECTORY | O_CLOEXEC));
  if (!listing.IsOpen()) return;
  std::unique_ptr<DIR, CloseListing> entries(::fdopendir(listing.get()));
  if (!entries) return;
  listing.Release();
  while (const dirent* entry = ::readdir(entries.get())) {
    if (IsSpareNameOf(entry->d_name, name)) ::unlinkat(folder.fd.get(), entry->d_name, 0);
  }
}

bool MayReplaceIn(const SaveFolder& folder, uid_t fileOwner) {
  const uid_t self = ::geteuid();
  return !(folder.mode & S_ISVTX) || self == 0 || self == fileOwner || self == folder.owner;
}

void SyncFolder(const SaveFolder& folder) { ::fsync(folder.fd.get()); }

}  // namespace platform
