// Feeds arbitrary bytes to the integer grammar and to the settings text as
// reader and editor. Any text may hold no value; none may crash, and an
// edit must read back and leave every other key as it was.
#include <fuzzer/FuzzedDataProvider.h>

#include <cstddef>
#include <cstdint>
#include <optional>
#include <stdexcept>
#include <string>
#include <string_view>

#include "platform/ini/ini_file.h"
#include "platform/ini/ini_integer.h"
#include "platform/ini/ini_text.h"
#include "platform/ini/utf8_prefix.h"

namespace {

void Check(bool condition) {
  if (!condition) __builtin_trap();
}

bool IsBlank(char c) { return c == ' ' || c == '\t'; }

// The values promised to read back exactly: one line, no outer blanks.
bool ReadsBackExactly(std::string_view value) {
  if (value.find_first_of("\r\n") != std::string_view::npos) return false;
  return value.empty() || (!IsBlank(value.front()) && !IsBlank(value.back()));
}

void CheckInteger(std::string_view text) {
  std::optional<std::int32_t> value = platform::ParseIniInteger(text);
  if (value) Check(platform::ParseIniInteger(std::to_string(*value)) == value);
}

void CheckCut(std::string_view text) {
  std::string_view prefix = platform::Utf8Prefix(text, 2047);
  Check(text.starts_with(prefix) && prefix.size() <= 4 * 2047);
}

// A write of the program's own names must leave the other keys alone.
void CheckFixedEdit(std::string_view text, std::string_view value) {
  const std::string edited = platform::WithIniValue(text, "Location", "Long Degrees", value);
  if (ReadsBackExactly(value)) {
    Check(platform::FindIniValue(edited, "location", " LONG DEGREES ") == value);
  }
  for (std::string_view key : {"Lat Degrees", "Time Zone Index"}) {
    Check(platform::FindIniValue(edited, "Location", key) ==
          platform::FindIniValue(text, "Location", key));
  }
  Check(platform::FindIniValue(edited, "General", "Last File") ==
        platform::FindIniValue(text, "General", "Last File"));
}

// Any name the editor accepts must find its value again.
void CheckAnyEdit(std::string_view text, const std::string& section, const std::string& key,
                  std::string_view value) {
  std::string edited;
  try {
    edited = platform::WithIniValue(text, section, key, value);
  } catch (const std::invalid_argument&) {
    return;
  }
  if (ReadsBackExactly(value)) Check(platform::FindIniValue(edited, section, key) == value);
}

// The text with byte 1 standing for the section name and byte 2 for the
// key, so that the fuzzer easily makes lines that the edit must find.
std::string WithNames(std::string_view text, std::string_view section, std::string_view key) {
  std::string result;
  for (char c : text) {
    if (c == '\x01') {
      result += section;
    } else if (c == '\x02') {
      result += key;
    } else {
      result += c;
    }
  }
  return result;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  CheckInteger(std::string_view(reinterpret_cast<const char*>(data), size));
  FuzzedDataProvider provider(data, size);
  const std::string section = provider.ConsumeRandomLengthString(16);
  const std::string key = provider.ConsumeRandomLengthString(16);
  const std::string value = provider.ConsumeRandomLengthString(32);
  const std::string text = WithNames(provider.ConsumeRemainingBytesAsString(), section, key);
  CheckInteger(value);
  CheckCut(text);
  if (std::optional<std::string_view> found = platform::FindIniValue(text, section, key)) {
    CheckInteger(*found);
  }
  CheckFixedEdit(text, value);
  CheckAnyEdit(text, section, key, value);
  return 0;
}
