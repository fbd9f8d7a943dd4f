#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace platform {

// The text of a settings file, read and edited without touching the disk.
//
// Lines end in LF; CRs before it (or at the very end) belong to the line
// break, so files written on Windows read the same. A leading UTF-8 byte
// order mark is ignored. A line is a section header when its first non-blank
// character is "[" and it holds a "]": the name is what stands between them.
// A line is an entry when it holds "=" and starts with neither "[" nor ";":
// the key is what stands before the first "=", the value what follows it.
// Every other line (comments, blank lines, "[" without "]", text without
// "=") belongs to no one and is kept as it is. Entries before the first
// header belong to no section. Blanks (spaces and tabs) around names and
// values do not count, names compare without regard to ASCII letter case,
// and quotes are part of the value. When a section or key appears more than
// once, the first entry in file order is the one read and the one replaced.

// The value of `key` in `section`, trimmed of blanks; nothing when the
// section or the key is missing.
std::optional<std::string_view> FindIniValue(std::string_view text, std::string_view section,
                                             std::string_view key);

// `text` with `key` in `section` set to `value`, every other byte kept.
// An existing entry's line is rewritten in place. A new key goes after the
// last entry of the first section of that name (after its header when it
// has none); a new section goes at the end, after a blank line. New lines
// use the line break of the text's first line, LF when it has none.
//
// An entry holds one line, so a value keeps only what comes before its
// first CR or LF. Throws std::invalid_argument for a name that would not
// read back as itself: a line break in either name, "]" in the section,
// "=" in the key or a key starting with "[" or ";".
std::string WithIniValue(std::string_view text, std::string_view section, std::string_view key,
                         std::string_view value);

}  // namespace platform
