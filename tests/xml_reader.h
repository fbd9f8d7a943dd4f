#pragma once

#include <map>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

// A strict reader for the plain XML that the picture uses: an optional XML
// declaration, comments, elements with quoted attributes, character data
// and the predefined and numeric entity references. No DOCTYPE, no CDATA.
// Anything that is not well-formed throws XmlError.
class XmlError : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

using XmlAttributes = std::map<std::string, std::string>;

// The attribute's value, empty when it is absent.
inline std::string ValueOf(const XmlAttributes& attributes, const std::string& name) {
  const auto found = attributes.find(name);
  return found == attributes.end() ? std::string() : found->second;
}

struct XmlElement {
  std::string name;
  XmlAttributes attributes;
  // Its own attributes over those of every enclosing element, as SVG
  // inherits presentation attributes.
  XmlAttributes inherited;
  // The character data directly inside it, references resolved.
  std::string text;
};

class XmlReader {
 public:
  // Every element of the document in document order, the root first.
  static std::vector<XmlElement> Read(std::string_view text) {
    XmlReader reader(text);
    if (reader.Peek("<?xml")) reader.SkipPast("?>");
    reader.SkipMisc();
    reader.ReadElement({});
    reader.SkipMisc();
    if (reader.pos_ != text.size()) reader.Fail("content after the root element");
    return std::move(reader.elements_);
  }

 private:
  explicit XmlReader(std::string_view text) : text_(text) {}

  [[noreturn]] void Fail(const std::string& what) const {
    throw XmlError(what + " at byte " + std::to_string(pos_));
  }

  bool Peek(std::string_view s) const { return text_.substr(pos_, s.size()) == s; }

  void Expect(char c) {
    if (pos_ >= text_.size() || text_[pos_] != c) Fail(std::string("expected '") + c + "'");
    ++pos_;
  }

  void SkipPast(std::string_view end) {
    const std::size_t found = text_.find(end, pos_);
    if (found == std::string_view::npos) Fail("unterminated markup");
    pos_ = found + end.size();
  }

  bool SkipSpace() {
    const std::size_t start = pos_;
    while (pos_ < text_.size() &&
           std::string_view(" \t\r\n").find(text_[pos_]) != std::string_view::npos) {
      ++pos_;
    }
    return pos_ != start;
  }

  // White space, comments and processing instructions outside the root.
  void SkipMisc() {
    while (true) {
      SkipSpace();
      if (Peek("<!--")) {
        SkipPast("-->");
      } else if (Peek("<?")) {
        SkipPast("?>");
      } else {
        return;
      }
    }
  }

  static bool NameStart(char c) {
    return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || c == '_' || c == ':';
  }
  static bool NameChar(char c) {
    return NameStart(c) || (c >= '0' && c <= '9') || c == '-' || c == '.';
  }

  std::string ReadName() {
    const std::size_t start = pos_;
    if (pos_ >= text_.size() || !NameStart(text_[pos_])) Fail("expected a name");
    while (pos_ < text_.size() && NameChar(text_[pos_])) ++pos_;
    return std::string(text_.substr(start, pos_ - start));
  }

  std::string ReadReference() {
    const std::size_t end = text_.find(';', pos_);
    if (end == std::string_view::npos) Fail("unterminated reference");
    const std::string_view name = text_.substr(pos_ + 1, end - pos_ - 1);
    static const std::map<std::string_view, char> kNamed{
        {"amp", '&'}, {"lt", '<'}, {"gt", '>'}, {"quot", '"'}, {"apos", '\''}};
    std::string value;
    if (auto named = kNamed.find(name); named != kNamed.end()) {
      value = std::string(1, named->second);
    } else if (name.size() > 1 && name[0] == '#') {
      const bool hex = name[1] == 'x';
      const std::string digits(name.substr(hex ? 2 : 1));
      if (digits.empty() || digits.find_first_not_of(hex ? "0123456789abcdefABCDEF"
                                                         : "0123456789") != std::string::npos) {
        Fail("bad character reference");
      }
      value = std::string(1, static_cast<char>(std::stoul(digits, nullptr, hex ? 16 : 10)));
    } else {
      Fail("unknown entity '" + std::string(name) + "'");
    }
    pos_ = end + 1;
    return value;
  }

  std::string ReadQuoted() {
    if (pos_ >= text_.size() || (text_[pos_] != '"' && text_[pos_] != '\'')) {
      Fail("attribute value must be quoted");
    }
    const char quote = text_[pos_++];
    std::string value;
    while (true) {
      if (pos_ >= text_.size()) Fail("unterminated attribute value");
      const char c = text_[pos_];
      if (c == quote) break;
      if (c == '<') Fail("'<' in an attribute value");
      if (c == '&') {
        value += ReadReference();
      } else {
        value += c;
        ++pos_;
      }
    }
    ++pos_;
    return value;
  }

  std::string ReadCharacterData() {
    std::string data;
    while (pos_ < text_.size() && text_[pos_] != '<') {
      if (text_[pos_] == '&') {
        data += ReadReference();
      } else {
        data += text_[pos_++];
      }
    }
    return data;
  }

  // Reads the start tag; true when the element has content and an end tag.
  bool ReadStartTag(XmlElement& element) {
    Expect('<');
    element.name = ReadName();
    while (true) {
      const bool spaced = SkipSpace();
      if (Peek("/>")) {
        pos_ += 2;
        return false;
      }
      if (Peek(">")) {
        ++pos_;
        return true;
      }
      if (!spaced) Fail("attributes must be separated by white space");
      const std::string name = ReadName();
      SkipSpace();
      Expect('=');
      SkipSpace();
      const std::string value = ReadQuoted();
      if (!element.attributes.emplace(name, value).second) Fail("duplicate attribute " + name);
      element.inherited[name] = value;
    }
  }

  void ReadElement(XmlAttributes inherited) {
    XmlElement element{{}, {}, std::move(inherited), {}};
    const bool hasContent = ReadStartTag(element);
    const std::size_t index = elements_.size();
    elements_.push_back(element);
    if (!hasContent) return;
    while (true) {
      if (pos_ >= text_.size()) Fail("unclosed <" + element.name + ">");
      if (Peek("</")) {
        pos_ += 2;
        if (ReadName() != element.name) Fail("end tag does not match <" + element.name + ">");
        SkipSpace();
        Expect('>');
        return;
      }
      if (Peek("<!--")) {
        SkipPast("-->");
      } else if (Peek("<")) {
        ReadElement(element.inherited);
      } else {
        elements_[index].text += ReadCharacterData();
      }
    }
  }

  std::string_view text_;
  std::size_t pos_ = 0;
  std::vector<XmlElement> elements_;
};
