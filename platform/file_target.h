#pragma once

#include <string>

#include "platform/file_descriptor.h"

namespace platform {

// Where a file name leads once every symbolic link on the way is followed:
// either an entry `name` in `folder` (which may not exist yet), or a
// descriptor this process already has open (/dev/stdout, /dev/fd/N,
// /proc/self/fd/N and links to them).
struct FileTarget {
  std::string folder;
  std::string name;
  // A copy of the open descriptor the name leads to; closed otherwise.
  FileDescriptor descriptor;

  bool IsDescriptor() const { return descriptor.IsOpen(); }
};

// Follows `path` through its links, relative ones against the folder of
// the link, up to 40 of them. A dangling link leads to the entry it names.
// Throws FileError (with `path`) for an empty path, a name that can only be
// a folder ("x/", ".", ".."), a loop of links, or a closed descriptor.
FileTarget ResolveTarget(const std::string& path);

}  // namespace platform
