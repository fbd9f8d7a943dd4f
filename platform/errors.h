#pragma once

#include <stdexcept>

namespace platform {

// A text that is not a number where one was expected.
class ConversionError : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

// A file that could not be created, written or replaced.
class FileError : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

}  // namespace platform
