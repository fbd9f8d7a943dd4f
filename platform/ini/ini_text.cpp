#include "platform/ini/ini_text.h"

#include <cstddef>
#include <stdexcept>

namespace platform {
namespace {

constexpr std::string_view kBlanks = " \t";
constexpr std::string_view kLineBreaks = "\r\n";
constexpr std::string_view kByteOrderMark = "\xEF\xBB\xBF";

std::string_view Trim(std::string_view text) {
  std::size_t first = text.find_first_not_of(kBlanks);
  if (first == std::string_view::npos) return {};
  std::size_t last = text.find_last_not_of(kBlanks);
  return text.substr(first, last - first + 1);
}

char LowerAscii(char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c; }

bool SameName(std::string_view a, std::string_view b) {
  if (a.size() != b.size()) return false;
  for (std::size_t i = 0; i < a.size(); ++i) {
    if (LowerAscii(a[i]) != LowerAscii(b[i])) return false;
  }
  return true;
}

// One line as offsets into the text: [begin, end) is its content without
// the line break, `next` is where the following line begins. Every CR
// before the LF counts as line break, so that a rewritten line cannot end
// up with a stray CR in its value.
struct Line {
  std::size_t begin;
  std::size_t end;
  std::size_t next;
};

Line LineAt(std::string_view text, std::size_t begin) {
  std::size_t lf = text.find('\n', begin);
  std::size_t end = lf == std::string_view::npos ? text.size() : lf;
  std::size_t next = lf == std::string_view::npos ? text.size() : lf + 1;
  while (end > begin && text[end - 1] == '\r') --end;
  return {begin, end, next};
}

std::optional<std::string_view> SectionName(std::string_view line) {
  std::string_view trimmed = Trim(line);
  if (!trimmed.starts_with('[')) return std::nullopt;
  std::size_t close = trimmed.find(']');
  if (close == std::string_view::npos) return std::nullopt;
  return Trim(trimmed.substr(1, close - 1));
}

struct Entry {
  std::string_view key;
  std::string_view value;
};

std::optional<Entry> EntryOf(std::string_view line) {
  std::string_view trimmed = Trim(line);
  if (trimmed.starts_with('[') || trimmed.starts_with(';')) return std::nullopt;
  std::size_t equals = trimmed.find('=');
  if (equals == std::string_view::npos) return std::nullopt;
  return Entry{Trim(trimmed.substr(0, equals)), Trim(trimmed.substr(equals + 1))};
}

// Where a key stands in the text, or where it would go.
struct Place {
  std::optional<Line> entryLine;
  std::string_view value;
  // Just after the last entry (or the header) of the first section of that
  // name; nothing when the section is missing.
  std::optional<std::size_t> insertAt;
};

Place Locate(std::string_view text, std::string_view section, std::string_view key) {
  section = Trim(section);
  key = Trim(key);
  Place place;
  bool inSection = false;
  bool inFirstSection = false;
  std::size_t position = text.starts_with(kByteOrderMark) ? kByteOrderMark.size() : 0;
  while (position < text.size()) {
    Line line = LineAt(text, position);
    position = line.next;
    std::string_view content = text.substr(line.begin, line.end - line.begin);
    if (std::optional<std::string_view> name = SectionName(content)) {
      inSection = SameName(*name, section);
      inFirstSection = inSection && !place.insertAt;
      if (inFirstSection) place.insertAt = line.next;
      continue;
    }
    std::optional<Entry> entry = EntryOf(content);
    if (!entry || !inSection) continue;
    if (SameName(entry->key, key)) {
      place.entryLine = line;
      place.value = entry->value;
      return place;
    }
    if (inFirstSection) place.insertAt = line.next;
  }
  return place;
}

bool HasLineBreak(std::string_view name) {
  return name.find_first_of(kLineBreaks) != std::string_view::npos;
}

bool ReadsBackAsSection(std::string_view section) {
  return !HasLineBreak(section) && section.find(']') == std::string_view::npos;
}

bool ReadsBackAsKey(std::string_view key) {
  std::string_view trimmed = Trim(key);
  return !HasLineBreak(key) && key.find('=') == std::string_view::npos &&
         !trimmed.starts_with('[') && !trimmed.starts_with(';');
}

void CheckNames(std::string_view section, std::string_view key) {
  if (!ReadsBackAsSection(section) || !ReadsBackAsKey(key)) {
    throw std::invalid_argument("Not a settings name: [" + std::string(section) + "] " +
                                std::string(key));
  }
}

std::string_view LineBreakOf(std::string_view text) {
  std::size_t lf = text.find('\n');
  return lf != std::string_view::npos && lf > 0 && text[lf - 1] == '\r' ? "\r\n" : "\n";
}

// What must come before new lines added at `position`: a line break when
// they would otherwise continue an unterminated last line.
std::string_view BreakBefore(std::string_view text, std::size_t position,
                             std::string_view lineBreak) {
  bool unterminated = position == text.size() && !text.empty() && !text.ends_with('\n');
  return unterminated ? lineBreak : std::string_view();
}

bool EndsWithBlankLine(std::string_view text) {
  if (!text.ends_with('\n')) return false;
  text.remove_suffix(1);
  std::size_t lf = text.rfind('\n');
  std::string_view last = lf == std::string_view::npos ? text : text.substr(lf + 1);
  return last.find_first_not_of(" \t\r") == std::string_view::npos;
}

std::string Spliced(std::string_view text, std::size_t begin, std::size_t end,
                    std::string_view replacement) {
  std::string result;
  result.reserve(text.size() - (end - begin) + replacement.size());
  result.append(text.substr(0, begin)).append(replacement).append(text.substr(end));
  return result;
}

std::string NewSection(std::string_view text, std::string_view section, std::string_view entry) {
  std::string_view lineBreak = LineBreakOf(text);
  std::string result(text);
  result += BreakBefore(text, text.size(), lineBreak);
  if (!text.empty() && !EndsWithBlankLine(result)) result += lineBreak;
  result.append("[").append(Trim(section)).append("]").append(lineBreak);
  result.append(entry).append(lineBreak);
  return result;
}

}  // namespace

std::optional<std::string_view> FindIniValue(std::string_view text, std::string_view section,
                                             std::string_view key) {
  Place place = Locate(text, section, key);
  if (!place.entryLine) return std::nullopt;
  return place.value;
}

std::string WithIniValue(std::string_view text, std::string_view section, std::string_view key,
                         std::string_view value) {
  CheckNames(section, key);
  std::string entry(Trim(key));
  entry.append("=").append(value.substr(0, value.find_first_of(kLineBreaks)));
  Place place = Locate(text, section, key);
  if (place.entryLine) return Spliced(text, place.entryLine->begin, place.entryLine->end, entry);
  if (!place.insertAt) return NewSection(text, section, entry);
  std::string_view lineBreak = LineBreakOf(text);
  std::string added(BreakBefore(text, *place.insertAt, lineBreak));
  added.append(entry).append(lineBreak);
  return Spliced(text, *place.insertAt, *place.insertAt, added);
}

}  // namespace platform
