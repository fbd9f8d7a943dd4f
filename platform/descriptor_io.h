#pragma once

#include <string>
#include <string_view>

namespace platform {

// The helpers below return 0 on success, or the errno value of the failure.

// Writes all of `bytes` at the descriptor's own position and in its own
// mode (appending where it was opened to append), waiting where a
// non-blocking pipe is full.
int WriteAll(int fd, std::string_view bytes);

// Reads the rest of a descriptor's file into `bytes`.
int ReadAll(int fd, std::string& bytes);

// Makes the file hold exactly `bytes`, written over its old content from
// the start and then cut to length, and flushes it to the disk.
int RewriteInPlace(int fd, std::string_view bytes);

// Gives the new file `to` the owner and group of the file `from` where this
// process may, every extended attribute the file system lets it copy, and
// its permission bits without setuid, setgid and sticky. Only a failure to
// set the permissions counts.
int CopyOwnerAndPermissions(int from, int to);

}  // namespace platform
