#include "platform/temporary_file.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <random>
#include <utility>

namespace platform {
namespace {

constexpr std::size_t kMaxStem = 200;
constexpr std::size_t kRandomLength = 6;
constexpr std::string_view kLetters =
    "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789";
constexpr int kNameAttempts = 100;

std::string SparePrefix(std::string_view name) {
  std::string prefix(1, '.');
  prefix.append(name.substr(0, kMaxStem)).append(".zrd-");
  return prefix;
}

char RandomLetter() {
  thread_local std::mt19937 generator(std::random_device{}());
  std::uniform_int_distribution<std::size_t> pick(0, kLetters.size() - 1);
  return kLetters[pick(generator)];
}

}  // namespace

std::string SpareName(std::string_view name, SpareKind kind) {
  std::string spare = SparePrefix(name) + (kind == SpareKind::kNew ? "new-" : "old-");
  for (std::size_t i = 0; i < kRandomLength; ++i) spare += RandomLetter();
  return spare;
}

bool IsSpareNameOf(std::string_view entry, std::string_view name) {
  const std::string prefix = SparePrefix(name);
  if (entry.size() != prefix.size() + 4 + kRandomLength || !entry.starts_with(prefix)) return false;
  const std::string_view kind = entry.substr(prefix.size(), 4);
  return kind == "new-" || kind == "old-";
}

TemporaryFile::TemporaryFile(int folder, std::string targetName)
    : folder_(folder), targetName_(std::move(targetName)) {}

TemporaryFile::TemporaryFile(TemporaryFile&& other) noexcept
    : folder_(other.folder_),
      targetName_(std::move(other.targetName_)),
      file_(std::move(other.file_)),
      unnamed_(std::move(other.unnamed_)),
      isUnnamed_(other.isUnnamed_),
      spareName_(std::exchange(other.spareName_, {})) {}

TemporaryFile::~TemporaryFile() {
  if (!spareName_.empty()) ::unlinkat(folder_, spareName_.c_str(), 0);
}

int TemporaryFile::Create(mode_t mode) {
  file_ = FileDescriptor(::openat(folder_, ".", O_TMPFILE | O_WRONLY | O_CLOEXEC, mode));
  if (file_.IsOpen()) {
    isUnnamed_ = true;
    return 0;
  }
  // File systems without unnamed files refuse them in several ways; a
  // named file tells the real cause if it fails too.
  for (int attempt = 0; attempt < kNameAttempts; ++attempt) {
    std::string name = SpareName(targetName_, SpareKind::kNew);
    file_ = FileDescriptor(
        ::openat(folder_, name.c_str(), O_CREAT | O_EXCL | O_WRONLY | O_CLOEXEC, mode));
    if (file_.IsOpen()) {
      spareName_ = std::move(name);
      return 0;
    }
    if (errno != EEXIST) return errno;
  }
  return EEXIST;
}

int TemporaryFile::Finish() {
  if (isUnnamed_) {
    unnamed_ = FileDescriptor(::fcntl(file_.get(), F_DUPFD_CLOEXEC, 0));
    if (!unnamed_.IsOpen()) return errno;
  }
  return file_.Close();
}

int TemporaryFile::MoveIntoPlace() {
  if (isUnnamed_ && spareName_.empty()) {
    if (const int error = LinkUnderSpareName()) return error;
  }
  if (::renameat(folder_, spareName_.c_str(), folder_, targetName_.c_str()) != 0) return errno;
  spareName_.clear();
  return 0;
}

int TemporaryFile::LinkIntoPlace() {
  if (!isUnnamed_) return MoveIntoPlace();
  const int error = GiveName(targetName_);
  return error == EEXIST ? MoveIntoPlace() : error;
}

int TemporaryFile::LinkUnderSpareName() {
  for (int attempt = 0; attempt < kNameAttempts; ++attempt) {
    std::string name = SpareName(targetName_, SpareKind::kNew);
    const int error = GiveName(name);
    if (error == 0) {
      spareName_ = std::move(name);
      return 0;
    }
    if (error != EEXIST) return error;
  }
  return EEXIST;
}

// Linking through /proc needs no privilege; AT_EMPTY_PATH would.
int TemporaryFile::GiveName(const std::string& name) {
  const std::string self = "/proc/self/fd/" + std::to_string(unnamed_.get());
  if (::linkat(AT_FDCWD, self.c_str(), folder_, name.c_str(), AT_SYMLINK_FOLLOW) == 0) return 0;
  if (errno != ENOENT) return errno;
  return ::linkat(unnamed_.get(), "", folder_, name.c_str(), AT_EMPTY_PATH) == 0 ? 0 : errno;
}

}  // namespace platform
