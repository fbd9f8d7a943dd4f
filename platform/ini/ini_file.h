#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace platform {

// A settings file in INI form: "[Section]" lines, then "key=value" lines,
// in UTF-8. Opening reads nothing; every read looks at the file as it is
// now, and every write changes one key and leaves every other line as it
// was, replacing the file atomically. Section and key names compare without
// regard to ASCII letter case; blanks around names and values are dropped
// on reading, so a value without leading or trailing blanks reads back
// exactly as written. platform/ini/ini_text.h gives the layout rules in full.
class IniFile {
 public:
  explicit IniFile(std::string fileName);

  // The stored text, cut to its first 2047 characters; `defaultValue` when
  // the file, section or key is missing or the file cannot be read. A key
  // with an empty value reads as empty.
  std::string ReadString(std::string_view section, std::string_view key,
                         std::string_view defaultValue) const;
  // The stored integer (see ParseIniInteger in ini_integer.h); `defaultValue` when missing,
  // empty or malformed.
  std::int32_t ReadInteger(std::string_view section, std::string_view key,
                           std::int32_t defaultValue) const;
  // Read as an integer with the default 1 or 0; anything but 0 is true.
  bool ReadBool(std::string_view section, std::string_view key, bool defaultValue) const;

  // Each write creates the file, section or key where missing. Throws
  // FileError("Unable to write to " + the file's name), with the path and the
  // system's reason, when the file cannot be written, or exists but cannot
  // be read; the file is then left as it was.
  // A value is one line: whatever follows a CR or LF in it is not stored.
  // Throws std::invalid_argument for a section name holding "]" or a line
  // break, or a key holding "=" or a line break or starting with "[" or ";".
  void WriteString(std::string_view section, std::string_view key, std::string_view value);
  // Decimal, with "-" when negative.
  void WriteInteger(std::string_view section, std::string_view key, std::int32_t value);
  // "1" or "0".
  void WriteBool(std::string_view section, std::string_view key, bool value);

 private:
  std::string fileName_;
};

}  // namespace platform
