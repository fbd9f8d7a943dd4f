#include "platform/whole_file.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>

#include "platform/descriptor_io.h"
#include "platform/file_descriptor.h"

namespace platform {
namespace {

bool IsRegularFile(int fd) {
  struct stat info {};
  return ::fstat(fd, &info) == 0 && S_ISREG(info.st_mode);
}

}  // namespace

WholeFile ReadWholeFile(const std::string& path) {
  // Without O_NONBLOCK, opening a pipe would wait for a writer.
  FileDescriptor fd(::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC));
  if (fd.get() < 0) {
    bool missing = errno == ENOENT;
    return {missing ? WholeFile::Status::kMissing : WholeFile::Status::kUnreadable, {}};
  }
  WholeFile file{WholeFile::Status::kRead, {}};
  if (!IsRegularFile(fd.get()) || ReadAll(fd.get(), file.bytes) != 0) {
    return {WholeFile::Status::kUnreadable, {}};
  }
  return file;
}

}  // namespace platform
