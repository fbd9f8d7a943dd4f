#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace platform {

// A settings file in INI form: "[Section]" lines, then "key=value" lines.
// Opening reads nothing; every read looks at the file as it is now, and
// every write changes one key and leaves every other line as it was,
// replacing the file atomically.
class IniFile {
 public:
  explicit IniFile(std::string fileName);

  const std::string& FileName() const { return fileName_; }

  // The stored text, cut to its first 2047 characters; `defaultValue` when
  // the file, section or key is missing. A key with an empty value reads as
  // empty.
  std::string ReadString(std::string_view section, std::string_view key,
                         std::string_view defaultValue) const;
  // The stored integer (see ParseIniInteger); `defaultValue` when missing,
  // empty or malformed.
  std::int32_t ReadInteger(std::string_view section, std::string_view key,
                           std::int32_t defaultValue) const;
  // Read as an integer with the default 1 or 0; anything but 0 is true.
  bool ReadBool(std::string_view section, std::string_view key, bool defaultValue) const;

  // Each write creates the file, section or key where missing. Throws
  // FileError("Unable to write to " + FileName()) when the file cannot be
  // written; the file is then left as it was.
  void WriteString(std::string_view section, std::string_view key, std::string_view value);
  void WriteInteger(std::string_view section, std::string_view key, std::int32_t value);
  void WriteBool(std::string_view section, std::string_view key, bool value);

 private:
  std::string fileName_;
};

// The integer grammar of stored values: leading blanks; then an optional
// sign and decimal digits within the signed 32-bit range, or one of the
// prefixes "$", "x", "X", "0x", "0X" and at most eight significant
// hexadecimal digits giving the 32 bits; nothing after the digits. No sign
// before a hexadecimal prefix. Anything else gives no value.
std::optional<std::int32_t> ParseIniInteger(std::string_view text);

}  // namespace platform
