#include "platform/whole_file.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>

#include "platform/file_descriptor.h"

namespace platform {
namespace {

constexpr std::size_t kChunk = 64 * 1024;

bool IsRegularFile(int fd) {
  struct stat info {};
  return ::fstat(fd, &info) == 0 && S_ISREG(info.st_mode);
}

bool ReadAll(int fd, std::string& bytes) {
  char chunk[kChunk];
  for (;;) {
    ssize_t count = ::read(fd, chunk, sizeof chunk);
    if (count == 0) return true;
    if (count < 0) {
      if (errno == EINTR) continue;
      return false;
    }
    bytes.append(chunk, static_cast<std::size_t>(count));
  }
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
  if (!IsRegularFile(fd.get()) || !ReadAll(fd.get(), file.bytes)) {
    return {WholeFile::Status::kUnreadable, {}};
  }
  return file;
}

}  // namespace platform
