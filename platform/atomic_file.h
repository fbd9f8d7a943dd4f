#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace platform {

// Replaces the file at `path` with `bytes` so that readers see either the old
// file or the whole new one, never a mix: the bytes go to a temporary file
// beside the target, which is then renamed over it. An existing file keeps
// its permissions; a file the user may not write is refused, not replaced.
// A target that is no regular file (a device, a pipe) is written directly.
// Throws FileError; on any failure the target is left as it was and no
// temporary file remains.
void ReplaceFileAtomically(const std::string& path, std::string_view bytes);

struct FileContent {
  std::string path;
  std::string bytes;
};

// Replaces several files as one step: every new file is written beside its
// target first, and only when all of them are written are they renamed over
// their targets. A failure while writing leaves every target as it was.
void ReplaceFilesAtomically(const std::vector<FileContent>& files);

}  // namespace platform
