#pragma once

#include <sys/types.h>

#include <string>
#include <string_view>
#include <vector>

#include "platform/file_descriptor.h"

namespace platform {

// A folder a save writes into, open for the length of the save.
struct SaveFolder {
  FileDescriptor fd;
  dev_t device = 0;
  ino_t inode = 0;
  mode_t mode = 0;
  uid_t owner = 0;
  // Holds the save's lock, so that no other save is between its first
  // temporary file and its last rename.
  bool locked = false;
};

// Opens `folder`; throws FileError naming `path`, the file that was to go
// there.
SaveFolder OpenSaveFolder(const std::string& folder, const std::string& path);

// Takes an exclusive lock (flock) on each folder, waiting for any other save
// into it, in the order of device and inode so that two saves never wait for
// each other. A folder whose file system has no such locks stays unlocked.
void LockSaveFolders(std::vector<SaveFolder*> folders);

// Removes the temporary and backup files of `name` that a save killed before
// it finished left behind. Only a locked folder is swept: there every such
// file belongs to a save that is gone.
void SweepSpareFiles(const SaveFolder& folder, std::string_view name);

// Whether this process may rename over, or remove, a file of `fileOwner` in
// the folder: in a sticky folder (such as /tmp) only the file's owner, the
// folder's owner and root may.
bool MayReplaceIn(const SaveFolder& folder, uid_t fileOwner);

// Flushes the folder's entries to the disk, where its descriptor allows.
void SyncFolder(const SaveFolder& folder);

}  // namespace platform
