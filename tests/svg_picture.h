#pragma once

#include <charconv>
#include <cmath>
#include <map>
#include <numbers>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

#include "xml_reader.h"

// What the tests read back from a picture and from a DXF drawing, so that
// the two can be compared entity by entity.

inline double ParseNumber(std::string_view text) {
  double value = 0;
  const auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), value);
  if (ec != std::errc() || end != text.data() + text.size()) {
    throw std::runtime_error("not a number: '" + std::string(text) + "'");
  }
  return value;
}

// Words and numbers of an attribute such as a path or a transform list.
inline std::vector<std::string> Tokens(std::string_view text) {
  std::vector<std::string> tokens;
  std::string current;
  for (char c : text) {
    if (c == ' ' || c == ',' || c == '(' || c == ')') {
      if (!current.empty()) tokens.push_back(current);
      current.clear();
    } else {
      current += c;
    }
  }
  if (!current.empty()) tokens.push_back(current);
  return tokens;
}

// An SVG transform list as one matrix: x' = a x + c y + e, y' = b x + d y + f.
struct Affine {
  double a = 1, b = 0, c = 0, d = 1, e = 0, f = 0;

  Affine Then(const Affine& inner) const {
    return {a * inner.a + c * inner.b,     b * inner.a + d * inner.b,
            a * inner.c + c * inner.d,     b * inner.c + d * inner.d,
            a * inner.e + c * inner.f + e, b * inner.e + d * inner.f + f};
  }
  double X(double x, double y) const { return a * x + c * y + e; }
  double Y(double x, double y) const { return b * x + d * y + f; }
  // Degrees the x axis is turned by, in the picture's own sense.
  double Rotation() const { return std::atan2(b, a) * 180 / std::numbers::pi; }
  double Scale() const { return std::hypot(a, b); }
  bool Mirrors() const { return a * d - b * c < 0; }
};

inline Affine ParseTransform(std::string_view text) {
  const std::vector<std::string> t = Tokens(text);
  Affine m;
  auto arg = [&](std::size_t i) { return ParseNumber(t.at(i)); };
  auto isNumber = [&](std::size_t i) {
    return i < t.size() && t[i].find_first_of("0123456789") != std::string::npos &&
           t[i].find_first_not_of("0123456789.-+eE") == std::string::npos;
  };
  for (std::size_t i = 0; i < t.size(); ++i) {
    if (t[i] == "translate") {
      m = m.Then({1, 0, 0, 1, arg(i + 1), isNumber(i + 2) ? arg(i + 2) : 0});
    } else if (t[i] == "scale") {
      const double sx = arg(i + 1);
      m = m.Then({sx, 0, 0, isNumber(i + 2) ? arg(i + 2) : sx, 0, 0});
    } else if (t[i] == "rotate") {
      const double r = arg(i + 1) * std::numbers::pi / 180;
      const double cx = isNumber(i + 2) ? arg(i + 2) : 0;
      const double cy = isNumber(i + 2) ? arg(i + 3) : 0;
      m = m.Then({1, 0, 0, 1, cx, cy})
              .Then({std::cos(r), std::sin(r), -std::sin(r), std::cos(r), 0, 0})
              .Then({1, 0, 0, 1, -cx, -cy});
    } else if (!isNumber(i)) {
      throw std::runtime_error("unexpected transform '" + t[i] + "'");
    }
  }
  return m;
}

struct PictureLine {
  double x1, y1, x2, y2;
};

struct PictureArcSegment {
  double radiusX, radiusY;
  bool largeArc, positiveSweep;
  double x, y;
};

struct PictureArc {
  double startX, startY;
  std::vector<PictureArcSegment> segments;
};

// A text as it shows: its anchor point, turn and height in user units.
struct PictureText {
  std::string text;
  double x, y, rotation, height;
  bool mirrored;
  XmlAttributes style;
};

struct Picture {
  std::string width;
  std::string height;
  double viewBox[4];
  std::vector<PictureLine> lines;
  std::vector<PictureArc> arcs;
  std::vector<PictureText> texts;
  std::vector<XmlAttributes> strokeStyles;  // of every line and arc
};

inline PictureArc ReadArcPath(const std::string& d) {
  const std::vector<std::string> t = Tokens(d);
  if (t.size() < 3 || t[0] != "M") throw std::runtime_error("arc path must start with M: " + d);
  PictureArc arc{ParseNumber(t[1]), ParseNumber(t[2]), {}};
  for (std::size_t i = 3; i < t.size(); i += 8) {
    if (t[i] != "A" || i + 7 >= t.size()) throw std::runtime_error("not an arc path: " + d);
    arc.segments.push_back({ParseNumber(t[i + 1]), ParseNumber(t[i + 2]), t[i + 4] == "1",
                            t[i + 5] == "1", ParseNumber(t[i + 6]), ParseNumber(t[i + 7])});
  }
  return arc;
}

inline PictureText ReadText(const XmlElement& e) {
  const Affine m =
      e.attributes.count("transform") ? ParseTransform(e.attributes.at("transform")) : Affine{};
  auto number = [&](const char* name) {
    return e.attributes.count(name) ? ParseNumber(e.attributes.at(name)) : 0.0;
  };
  const double x = number("x");
  const double y = number("y");
  return {e.text,
          m.X(x, y),
          m.Y(x, y),
          m.Rotation(),
          m.Scale() * ParseNumber(e.inherited.at("font-size")),
          m.Mirrors(),
          e.inherited};
}

// Throws XmlError when the picture is not well-formed XML.
inline Picture ReadPicture(const std::string& svg) {
  const std::vector<XmlElement> elements = XmlReader::Read(svg);
  const XmlElement& root = elements.front();
  if (root.name != "svg") throw std::runtime_error("root element is <" + root.name + ">");
  Picture picture{root.attributes.at("width"), root.attributes.at("height"), {}, {}, {}, {}, {}};
  const std::vector<std::string> box = Tokens(root.attributes.at("viewBox"));
  for (std::size_t i = 0; i < 4; ++i) picture.viewBox[i] = ParseNumber(box.at(i));
  for (const XmlElement& e : elements) {
    if (e.name == "line") {
      picture.lines.push_back(
          {ParseNumber(e.attributes.at("x1")), ParseNumber(e.attributes.at("y1")),
           ParseNumber(e.attributes.at("x2")), ParseNumber(e.attributes.at("y2"))});
      picture.strokeStyles.push_back(e.inherited);
    } else if (e.name == "path") {
      picture.arcs.push_back(ReadArcPath(e.attributes.at("d")));
      picture.strokeStyles.push_back(e.inherited);
    } else if (e.name == "text") {
      picture.texts.push_back(ReadText(e));
    }
  }
  return picture;
}

// One DXF entity: its type and its groups by code.
struct DxfEntity {
  std::string type;
  std::map<int, std::string> groups;

  double Number(int code) const { return ParseNumber(groups.at(code)); }
};

inline std::vector<DxfEntity> ReadDxfEntities(const std::string& bytes) {
  std::vector<std::string> lines;
  for (std::size_t start = 0, end; (end = bytes.find("\r\n", start)) != std::string::npos;
       start = end + 2) {
    lines.push_back(bytes.substr(start, end - start));
  }
  std::vector<DxfEntity> entities;
  for (std::size_t i = 0; i + 1 < lines.size(); i += 2) {
    const int code = std::stoi(lines[i]);
    const std::string& value = lines[i + 1];
    if (code == 0 && (value == "LINE" || value == "ARC" || value == "TEXT")) {
      entities.push_back({value, {}});
    } else if (code != 0 && !entities.empty()) {
      entities.back().groups[code] = value;
    }
  }
  return entities;
}

inline std::vector<DxfEntity> OfType(const std::vector<DxfEntity>& entities,
                                     const std::string& type) {
  std::vector<DxfEntity> found;
  for (const DxfEntity& entity : entities) {
    if (entity.type == type) found.push_back(entity);
  }
  return found;
}
