#include "platform/atomic_file.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <climits>
#include <cstdlib>
#include <cstring>
#include <memory>
#include <string>
#include <utility>

#include "platform/errors.h"

namespace platform {
namespace {

// Keeps the temporary name within the file-name limit for any target name.
constexpr std::size_t kMaxTempStem = 200;

[[noreturn]] void Fail(const std::string& path, int error) {
  throw FileError(path, std::strerror(error));
}

class FileDescriptor {
 public:
  explicit FileDescriptor(int fd) : fd_(fd) {}
  FileDescriptor(const FileDescriptor&) = delete;
  FileDescriptor& operator=(const FileDescriptor&) = delete;
  ~FileDescriptor() {
    if (fd_ >= 0) ::close(fd_);
  }
  int get() const { return fd_; }
  // Closes now so that a failing close (a late write error) is reported.
  int Close() {
    int result = ::close(fd_);
    fd_ = -1;
    return result;
  }

 private:
  int fd_;
};

void WriteAll(int fd, std::string_view bytes, const std::string& path) {
  while (!bytes.empty()) {
    ssize_t written = ::write(fd, bytes.data(), bytes.size());
    if (written < 0) {
      if (errno == EINTR) continue;
      Fail(path, errno);
    }
    bytes.remove_prefix(static_cast<std::size_t>(written));
  }
}

void WriteInPlace(const std::string& path, std::string_view bytes) {
  FileDescriptor fd(::open(path.c_str(), O_WRONLY | O_NONBLOCK | O_CLOEXEC));
  if (fd.get() < 0) Fail(path, errno);
  WriteAll(fd.get(), bytes, path);
  if (fd.Close() != 0) Fail(path, errno);
}

// The real file behind any symbolic links, so that a link stays a link.
std::string ResolveExisting(const std::string& path) {
  std::unique_ptr<char, decltype(&std::free)> real(::realpath(path.c_str(), nullptr), &std::free);
  return real ? std::string(real.get()) : path;
}

mode_t NewFileMode() {
  mode_t mask = ::umask(0);
  ::umask(mask);
  return 0666 & ~mask;
}

// Refuses a target that exists but may not be written, as opening it for
// writing would: renaming over it would otherwise succeed.
void CheckWritable(const std::string& path) {
  FileDescriptor fd(::open(path.c_str(), O_WRONLY | O_NONBLOCK | O_CLOEXEC));
  if (fd.get() < 0) Fail(path, errno);
}

std::string TempTemplate(const std::string& target) {
  std::size_t slash = target.rfind('/');
  std::string folder = slash == std::string::npos ? std::string() : target.substr(0, slash + 1);
  std::string name = slash == std::string::npos ? target : target.substr(slash + 1);
  return folder + "." + name.substr(0, kMaxTempStem) + ".XXXXXX";
}

// One file on its way to replacing its target: written to a temporary file
// beside it by the constructor, renamed over the target by Commit(), and
// removed by the destructor unless committed.
class PendingReplacement {
 public:
  PendingReplacement(const std::string& path, std::string_view bytes) {
    if (path.empty()) Fail(path, ENOENT);
    struct stat info {};
    if (::stat(path.c_str(), &info) != 0) {
      if (errno != ENOENT) Fail(path, errno);
      target_ = path;
      WriteTemp(NewFileMode(), bytes);
      return;
    }
    if (S_ISDIR(info.st_mode)) Fail(path, EISDIR);
    target_ = S_ISREG(info.st_mode) ? ResolveExisting(path) : path;
    CheckWritable(target_);
    if (S_ISREG(info.st_mode)) {
      WriteTemp(info.st_mode & 07777, bytes);
    } else {
      inPlace_ = true;
      inPlaceBytes_ = bytes;
    }
  }
  PendingReplacement(PendingReplacement&& other) noexcept
      : target_(std::move(other.target_)),
        temp_(std::exchange(other.temp_, {})),
        inPlace_(other.inPlace_),
        inPlaceBytes_(other.inPlaceBytes_) {}
  PendingReplacement(const PendingReplacement&) = delete;
  PendingReplacement& operator=(const PendingReplacement&) = delete;
  PendingReplacement& operator=(PendingReplacement&&) = delete;
  ~PendingReplacement() {
    if (!temp_.empty()) ::unlink(temp_.c_str());
  }

  // Devices and pipes take their bytes at commit and cannot be undone.
  bool WritesInPlace() const { return inPlace_; }

  void Commit() {
    if (inPlace_) {
      WriteInPlace(target_, inPlaceBytes_);
      return;
    }
    if (::rename(temp_.c_str(), target_.c_str()) != 0) Fail(target_, errno);
    temp_.clear();
  }

 private:
  void WriteTemp(mode_t mode, std::string_view bytes) {
    std::string name = TempTemplate(target_);
    FileDescriptor fd(::mkostemp(name.data(), O_CLOEXEC));
    if (fd.get() < 0) Fail(target_, errno);
    temp_ = name;
    if (::fchmod(fd.get(), mode) != 0) Fail(target_, errno);
    WriteAll(fd.get(), bytes, target_);
    if (fd.Close() != 0) Fail(target_, errno);
  }

  std::string target_;
  std::string temp_;
  // Devices and pipes cannot be replaced; they take the bytes at commit.
  bool inPlace_ = false;
  std::string_view inPlaceBytes_;
};

}  // namespace

void ReplaceFileAtomically(const std::string& path, std::string_view bytes) {
  PendingReplacement(path, bytes).Commit();
}

void ReplaceFilesAtomically(const std::vector<FileContent>& files) {
  std::vector<PendingReplacement> pending;
  pending.reserve(files.size());
  for (const FileContent& file : files) pending.emplace_back(file.path, file.bytes);
  // Writes that may still fail go first, so that no file has been replaced
  // when one of them does.
  for (PendingReplacement& replacement : pending) {
    if (replacement.WritesInPlace()) replacement.Commit();
  }
  for (PendingReplacement& replacement : pending) {
    if (!replacement.WritesInPlace()) replacement.Commit();
  }
}

}  // namespace platform
