#include "platform/ini/ini_file.h"

#include <string>
#include <utility>

#include "platform/atomic_file.h"
#include "platform/errors.h"
#include "platform/ini/ini_integer.h"
#include "platform/ini/ini_text.h"
#include "platform/ini/utf8_prefix.h"
#include "platform/whole_file.h"

namespace platform {
namespace {

constexpr std::size_t kMaxTextLength = 2047;

FileError WriteError(const FileError& cause) {
  return FileError(cause.path(), cause.reason(), "Unable to write to " + cause.path());
}

// The stored value, or nothing when the file cannot be read or the section
// or key is missing.
std::optional<std::string> StoredValue(const std::string& fileName, std::string_view section,
                                       std::string_view key) {
  WholeFile file = ReadWholeFile(fileName);
  if (file.status != WholeFile::Status::kRead) return std::nullopt;
  std::optional<std::string_view> value = FindIniValue(file.bytes, section, key);
  if (!value) return std::nullopt;
  return std::string(*value);
}

}  // namespace

IniFile::IniFile(std::string fileName) : fileName_(std::move(fileName)) {}

std::string IniFile::ReadString(std::string_view section, std::string_view key,
                                std::string_view defaultValue) const {
  std::optional<std::string> value = StoredValue(fileName_, section, key);
  if (!value) return std::string(defaultValue);
  return std::string(Utf8Prefix(*value, kMaxTextLength));
}

// The whole stored value is parsed, uncut: a number is never changed into
// another one by losing its last digits.
std::int32_t IniFile::ReadInteger(std::string_view section, std::string_view key,
                                  std::int32_t defaultValue) const {
  std::optional<std::string> value = StoredValue(fileName_, section, key);
  if (!value) return defaultValue;
  return ParseIniInteger(*value).value_or(defaultValue);
}

bool IniFile::ReadBool(std::string_view section, std::string_view key, bool defaultValue) const {
  return ReadInteger(section, key, defaultValue ? 1 : 0) != 0;
}

void IniFile::WriteString(std::string_view section, std::string_view key, std::string_view value) {
  WholeFile file = ReadWholeFile(fileName_);
  // A file that exists but cannot be read is not replaced: its other lines
  // would be lost.
  if (file.status == WholeFile::Status::kUnreadable) {
    throw WriteError(FileError(fileName_, "the file cannot be read"));
  }
  std::string text = WithIniValue(file.bytes, section, key, value);
  try {
    ReplaceFileAtomically(fileName_, text);
  } catch (const FileError& error) {
    throw WriteError(error);
  }
}

void IniFile::WriteInteger(std::string_view section, std::string_view key, std::int32_t value) {
  WriteString(section, key, std::to_string(value));
}

void IniFile::WriteBool(std::string_view section, std::string_view key, bool value) {
  WriteString(section, key, value ? "1" : "0");
}

}  // namespace platform
