#pragma once

#include <sys/types.h>

#include <string>
#include <string_view>

#include "platform/file_descriptor.h"

namespace platform {

// What a temporary or backup name in a folder is for.
enum class SpareKind { kNew, kOld };

// The hidden name ".NAME.zrd-new-XXXXXX" (or "-old-") beside the file NAME,
// with six random letters and digits. NAME is cut to its first 200 bytes,
// so that the spare name stays within the file-name limit.
std::string SpareName(std::string_view name, SpareKind kind);

// Whether `entry` is a spare name of the file `name` of either kind.
bool IsSpareNameOf(std::string_view entry, std::string_view name);

// The new content of one file on its way into a folder. It lives as an
// unnamed file (O_TMPFILE) where the file system allows, and gets a name
// only just before it is renamed over its target; elsewhere it is a hidden
// named file from the start. Whatever fails, the destructor removes it.
// Every member returns 0 on success, or the errno value of the failure.
class TemporaryFile {
 public:
  // `folder` is a descriptor of the folder that holds `targetName`; it must
  // outlive this object.
  TemporaryFile(int folder, std::string targetName);
  TemporaryFile(TemporaryFile&& other) noexcept;
  TemporaryFile(const TemporaryFile&) = delete;
  TemporaryFile& operator=(const TemporaryFile&) = delete;
  TemporaryFile& operator=(TemporaryFile&&) = delete;
  ~TemporaryFile();

  // Makes the empty file, open for writing, with `mode` less the umask.
  int Create(mode_t mode);
  int fd() const { return file_.get(); }
  // Closes the file for writing, so that a late write error shows now,
  // before anything has been renamed.
  int Finish();
  // Gives the file the target's name, replacing whatever is there.
  int MoveIntoPlace();
  // Gives the file the target's name where nothing is there yet; an entry
  // that has appeared meanwhile is replaced.
  int LinkIntoPlace();

 private:
  int GiveName(const std::string& name);
  int LinkUnderSpareName();

  int folder_;
  std::string targetName_;
  FileDescriptor file_;
  // Keeps an unnamed file alive after Finish() until it has a name.
  FileDescriptor unnamed_;
  bool isUnnamed_ = false;
  // The file's own name while it has one that is not the target's.
  std::string spareName_;
};

}  // namespace platform
