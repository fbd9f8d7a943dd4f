#pragma once

#include <string>

namespace platform {

struct WholeFile {
  enum class Status { kRead, kMissing, kUnreadable };
  Status status;
  // The file's bytes when read, empty otherwise.
  std::string bytes;
};

// Reads a regular file whole. Anything else at the path (a folder, a pipe,
// a device) is unreadable: a pipe or a device might block or never end.
WholeFile ReadWholeFile(const std::string& path);

}  // namespace platform
