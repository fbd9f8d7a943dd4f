#include "platform/whole_file.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>

namespace platform {
namespace {

constexpr std::size_t kChunk = 64 * 1024;

class ReadDescriptor {
 public:
  explicit ReadDescriptor(const std::string& path)
      // Without O_NONBLOCK, opening a pipe would wait for a writer.
      : fd_(::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC)) {}
  ReadDescriptor(const ReadDescriptor&) = delete;
  ReadDescriptor& operator=(const ReadDescriptor&) = delete;
  ~ReadDescriptor() {
    if (fd_ >= 0) ::close(fd_);
  }
  int get() const { return fd_; }

 private:
  int fd_;
};

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
  ReadDescriptor fd(path);
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
