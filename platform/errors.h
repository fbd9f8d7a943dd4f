#pragma once

#include <stdexcept>
#include <string>

namespace platform {

// A text that is not a number where one was expected.
class ConversionError : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

// A file that could not be created, written or replaced. path() is the name
// as the caller gave it and reason() the system's own words for the cause
// ("Permission denied"), so that a command-line tool can print
// "PATH: REASON"; what() says both.
class FileError : public std::runtime_error {
 public:
  // A failure the system reported with `errorNumber` (an errno value).
  FileError(std::string path, int errorNumber);
  // A failure the system gives no number for, told in `reason`.
  FileError(std::string path, std::string reason);
  // The same failure told in another `message`, keeping its path and reason.
  FileError(const std::string& message, const FileError& cause);
  // A failure known only by its message.
  explicit FileError(const std::string& message);

  const std::string& path() const { return path_; }
  const std::string& reason() const { return reason_; }

 private:
  FileError(const std::string& message, std::string path, std::string reason);

  std::string path_;
  std::string reason_;
};

}  // namespace platform
