#include "platform/descriptor_io.h"

#include <poll.h>
#include <sys/stat.h>
#include <sys/xattr.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>

namespace platform {
namespace {

constexpr std::size_t kChunk = 64 * 1024;

void CopyExtendedAttributes(int from, int to) {
  const ssize_t listSize = ::flistxattr(from, nullptr, 0);
  if (listSize <= 0) return;
  std::string names(static_cast<std::size_t>(listSize), '\0');
  const ssize_t listed = ::flistxattr(from, names.data(), names.size());
  if (listed <= 0) return;
  names.resize(static_cast<std::size_t>(listed));
  for (std::size_t start = 0; start < names.size(); start = names.find('\0', start) + 1) {
    const char* name = names.c_str() + start;
    const ssize_t size = ::fgetxattr(from, name, nullptr, 0);
    if (size < 0) continue;
    std::string value(static_cast<std::size_t>(size), '\0');
    const ssize_t read = ::fgetxattr(from, name, value.data(), value.size());
    // Attributes the file system or this user may not set are left out.
    if (read >= 0) ::fsetxattr(to, name, value.data(), static_cast<std::size_t>(read), 0);
  }
}

}  // namespace

int WriteAll(int fd, std::string_view bytes) {
  while (!bytes.empty()) {
    const ssize_t written = ::write(fd, bytes.data(), bytes.size());
    if (written < 0) {
      if (errno == EINTR) continue;
      if (errno == EAGAIN) {
        pollfd ready{fd, POLLOUT, 0};
        ::poll(&ready, 1, -1);
        continue;
      }
      return errno;
    }
    bytes.remove_prefix(static_cast<std::size_t>(written));
  }
  return 0;
}

int ReadAll(int fd, std::string& bytes) {
  char chunk[kChunk];
  for (;;) {
    const ssize_t count = ::read(fd, chunk, sizeof chunk);
    if (count == 0) return 0;
    if (count < 0) {
      if (errno == EINTR) continue;
      return errno;
    }
    bytes.append(chunk, static_cast<std::size_t>(count));
  }
}

int RewriteInPlace(int fd, std::string_view bytes) {
  if (::lseek(fd, 0, SEEK_SET) < 0) return errno;
  if (const int error = WriteAll(fd, bytes)) return error;
  if (::ftruncate(fd, static_cast<off_t>(bytes.size())) != 0) return errno;
  return ::fsync(fd) == 0 ? 0 : errno;
}

int CopyOwnerAndPermissions(int from, int to) {
  struct stat info {};
  if (::fstat(from, &info) != 0) return errno;
  if (::fchown(to, info.st_uid, info.st_gid) != 0) {
    // A user may not give a file away, but may keep its group.
    ::fchown(to, static_cast<uid_t>(-1), info.st_gid);
  }
  CopyExtendedAttributes(from, to);
  return ::fchmod(to, info.st_mode & 0777) == 0 ? 0 : errno;
}

}  // namespace platform
