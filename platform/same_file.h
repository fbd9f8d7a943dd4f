#pragma once

#include <string>

namespace platform {

// Whether two output names lead to one file, so that writing both would
// lose one of them: "dial", "./dial" and "/home/me/dial"; a symbolic link
// and its target; two hard links of one file; /dev/stdout and /dev/fd/1.
// Names are followed as a save follows them (platform/file_target.h); files
// that exist compare by device and inode, names of files still to be made
// by their folder's device and inode and their own name. A name that
// cannot be followed compares by its absolute, normalised text.
bool NameTheSameFile(const std::string& first, const std::string& second);

}  // namespace platform
