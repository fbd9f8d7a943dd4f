#pragma once

#include <unistd.h>

#include <cerrno>
#include <utility>

namespace platform {

// Owns one open file descriptor and closes it when it goes.
class FileDescriptor {
 public:
  FileDescriptor() = default;
  explicit FileDescriptor(int fd) : fd_(fd) {}
  FileDescriptor(FileDescriptor&& other) noexcept : fd_(std::exchange(other.fd_, -1)) {}
  FileDescriptor& operator=(FileDescriptor&& other) noexcept {
    if (this != &other) {
      Reset();
      fd_ = std::exchange(other.fd_, -1);
    }
    return *this;
  }
  FileDescriptor(const FileDescriptor&) = delete;
  FileDescriptor& operator=(const FileDescriptor&) = delete;
  ~FileDescriptor() { Reset(); }

  int get() const { return fd_; }
  bool IsOpen() const { return fd_ >= 0; }

  // Hands the descriptor to a new owner, which will close it.
  int Release() { return std::exchange(fd_, -1); }

  // Closes now, so that a late write error that close reports is seen:
  // 0, or the errno value of the failure.
  int Close() {
    const int result = ::close(std::exchange(fd_, -1));
    return result == 0 ? 0 : errno;
  }

 private:
  void Reset() {
    if (fd_ >= 0) ::close(std::exchange(fd_, -1));
  }

  int fd_ = -1;
};

}  // namespace platform
