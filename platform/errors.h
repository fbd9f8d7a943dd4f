#pragma once

#include <cstring>
#include <stdexcept>
#include <string>
#include <utility>

namespace platform {

// A text that is not a number where one was expected.
class ConversionError : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

// A file that could not be created, written or replaced. `path` names the
// file as the caller gave it and `reason` says why in the system's words
// ("Permission denied"); the message is the one to show.
class FileError : public std::runtime_error {
 public:
  FileError(std::string path, std::string reason, const std::string& message)
      : std::runtime_error(message), path_(std::move(path)), reason_(std::move(reason)) {}
  FileError(std::string path, std::string reason)
      : FileError(path, reason, path + ": " + reason) {}
  // A failure the system reported with `errorNumber` (an errno value).
  FileError(std::string path, int errorNumber)
      : FileError(std::move(path), std::string(std::strerror(errorNumber))) {}

  const std::string& path() const { return path_; }
  const std::string& reason() const { return reason_; }

 private:
  std::string path_;
  std::string reason_;
};

}  // namespace platform
