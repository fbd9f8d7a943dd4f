#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace platform {

// The one way the programs write a file. A name is followed through its
// symbolic links to the final target (a dangling link gets its target made
// when the target's folder exists); the link itself is never replaced. Then:
//  - A name that leads to a descriptor this process has open (/dev/stdout,
//    /dev/fd/N, /proc/self/fd/N) is written through that descriptor, at its
//    position and in its mode: a log opened to append keeps its lines.
//  - A device, pipe or socket is written as it is.
//  - A new file is written unnamed (O_TMPFILE), or under a hidden name where
//    the file system has no unnamed files, and then given its name.
//  - An existing regular file is replaced: the new content is written
//    beside it, flushed to the disk, given the old file's owner and group
//    (where this process may), extended attributes and permission bits
//    (less setuid, setgid and sticky), and renamed over it; the folder is
//    flushed after. Readers and a power cut see the old file or the new one,
//    whole. Another hard link of the file keeps the old content.
//  - A file that may be written in a folder that takes no new files is
//    rewritten in place; only this case is not atomic.
// A file that may not be written is refused, not replaced, and so is one
// this process may not rename over (another user's, in a sticky folder),
// before anything is written. Saves into the same folder wait for each
// other. Throws FileError with the path and the system's reason; on any
// failure every target is left as it was and no temporary file remains.
void ReplaceFileAtomically(const std::string& path, std::string_view bytes);

struct FileContent {
  std::string path;
  std::string bytes;
};

// Saves several files as one: every new content is written first, then
// descriptors and devices take theirs, then the files are renamed into
// place, each replaced file but the last kept under a hidden hard link
// until all are done. When one fails, those already renamed are put back.
// Two names of one file (platform/same_file.h) are refused before anything
// is written.
void ReplaceFilesAtomically(const std::vector<FileContent>& files);

}  // namespace platform
