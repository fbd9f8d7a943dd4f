#include "platform/errors.h"

#include <cstring>
#include <utility>

namespace platform {

FileError::FileError(std::string path, int errorNumber)
    : FileError(std::move(path), std::string(std::strerror(errorNumber))) {}

FileError::FileError(std::string path, std::string reason)
    : FileError(path + ": " + reason, path, reason) {}

FileError::FileError(const std::string& message, const FileError& cause)
    : FileError(message, cause.path_, cause.reason_) {}

FileError::FileError(const std::string& message) : FileError(message, {}, {}) {}

FileError::FileError(const std::string& message, std::string path, std::string reason)
    : std::runtime_error(message), path_(std::move(path)), reason_(std::move(reason)) {}

}  // namespace platform
