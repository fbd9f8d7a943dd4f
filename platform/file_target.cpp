#include "platform/file_target.h"

#include <fcntl.h>
#include <sys/stat.h>

#include <cerrno>
#include <charconv>
#include <climits>
#include <cstdlib>
#include <memory>
#include <optional>
#include <utility>

#include "platform/errors.h"
#include "platform/paths.h"

namespace platform {
namespace {

constexpr int kMaxLinks = 40;

std::string RealPath(const std::string& path) {
  std::unique_ptr<char, decltype(&std::free)> real(::realpath(path.c_str(), nullptr), &std::free);
  return real ? std::string(real.get()) : std::string();
}

// The folder to open ("." for none; the root keeps its "/") and the name.
std::pair<std::string, std::string> Split(const std::string& path) {
  std::string folder = ExtractFilePath(path);
  std::string name = path.substr(folder.size());
  if (folder.empty()) return {".", name};
  if (folder.size() > 1) folder.pop_back();
  return {folder, name};
}

// /dev/fd and /proc/self/fd both lead to /proc/PID/fd; /proc/thread-self/fd
// to the thread's own folder of the same descriptors.
bool IsOwnDescriptorFolder(const std::string& folder) {
  const std::string real = RealPath(folder);
  return !real.empty() &&
         (real == RealPath("/proc/self/fd") || real == RealPath("/proc/thread-self/fd"));
}

std::optional<int> DescriptorNumber(const std::string& folder, const std::string& name) {
  int number = 0;
  const char* end = name.data() + name.size();
  auto [stop, error] = std::from_chars(name.data(), end, number);
  if (name.empty() || error != std::errc() || stop != end || !IsOwnDescriptorFolder(folder)) {
    return std::nullopt;
  }
  return number;
}

std::string LinkTarget(const std::string& link, const std::string& folder,
                       const std::string& path) {
  char buffer[PATH_MAX];
  const ssize_t length = ::readlink(link.c_str(), buffer, sizeof buffer);
  if (length < 0) throw FileError(path, errno);
  if (static_cast<std::size_t>(length) == sizeof buffer) throw FileError(path, ENAMETOOLONG);
  std::string target(buffer, static_cast<std::size_t>(length));
  if (target.starts_with('/')) return target;
  return (folder == "/" ? "" : folder) + "/" + target;
}

}  // namespace

FileTarget ResolveTarget(const std::string& path) {
  if (path.empty()) throw FileError(path, ENOENT);
  std::string current = path;
  for (int links = 0;; ++links) {
    auto [folder, name] = Split(current);
    if (name.empty() || name == "." || name == "..") throw FileError(path, EISDIR);
    if (std::optional<int> number = DescriptorNumber(folder, name)) {
      // Held as a copy, so that no file opened later can take its number.
      FileDescriptor copy(::fcntl(*number, F_DUPFD_CLOEXEC, 3));
      if (!copy.IsOpen()) throw FileError(path, errno == EINVAL ? EBADF : errno);
      return {std::move(folder), std::move(name), std::move(copy)};
    }
    struct stat info {};
    if (::lstat(current.c_str(), &info) != 0 || !S_ISLNK(info.st_mode)) {
      return {std::move(folder), std::move(name), FileDescriptor()};
    }
    if (links == kMaxLinks) throw FileError(path, ELOOP);
    current = LinkTarget(current, folder, path);
  }
}

}  // namespace platform
