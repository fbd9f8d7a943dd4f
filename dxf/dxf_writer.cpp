#include "dxf/dxf_writer.h"

#include "drawing/text_style.h"
#include "dxf/number_forms.h"

namespace dxf {
namespace {

constexpr const char* kLayer = "SUNDIAL";
// The sub-hour lines, so that a CAD user can hide or restyle them at once.
constexpr const char* kSubHourLayer = "MINUTES";
constexpr const char* kColour = "5";
constexpr const char* kCentred = "1";

void Group(LineBuffer& lines, const char* code, std::string value) {
  lines.Add(code);
  lines.Add(std::move(value));
}

void EntityStart(LineBuffer& lines, const char* type, const char* layer = kLayer) {
  Group(lines, " 0", type);
  Group(lines, " 8", layer);
  Group(lines, "62", kColour);
}

void WriteDxfHeader(LineBuffer& lines) {
  Group(lines, "999", "DXF File Produced by Quennet's Ziradadozo Rezudor Program");
  Group(lines, "999", "Copyright (c) 2026 The Ziradadozo Rezudor Design developers");
  Group(lines, "999", "e-mail: design@ziradadozo-rezudor.example");
  Group(lines, " 0", "SECTION");
  Group(lines, " 2", "ENTITIES");
}

void WriteDxfFooter(LineBuffer& lines) {
  Group(lines, " 0", "ENDSEC");
  Group(lines, " 0", "EOF");
}

void LineRecord(LineBuffer& lines, const char* layer, double startX, double startY, double endX,
                double endY) {
  EntityStart(lines, "LINE", layer);
  Group(lines, "10", FormatCoordinate(startX));
  Group(lines, "20", FormatCoordinate(startY));
  Group(lines, "11", FormatCoordinate(endX));
  Group(lines, "21", FormatCoordinate(endY));
}

}  // namespace

void DxfWriter::AddLine(double startX, double startY, double endX, double endY) {
  LineRecord(DxfLines, kLayer, startX, startY, endX, endY);
}

void DxfWriter::AddSubHourLine(double startX, double startY, double endX, double endY) {
  LineRecord(DxfLines, kSubHourLayer, startX, startY, endX, endY);
}

void DxfWriter::AddArc(double centreX, double centreY, double radius, double startAngle,
                       double endAngle) {
  EntityStart(DxfLines, "ARC");
  Group(DxfLines, "10", FormatCoordinate(centreX));
  Group(DxfLines, "20", FormatCoordinate(centreY));
  Group(DxfLines, "40", FormatCoordinate(radius));
  Group(DxfLines, "50", FormatCoordinate(startAngle));
  Group(DxfLines, "51", FormatCoordinate(endAngle));
}

void DxfWriter::AddText(const std::string& text, double rotation, double x, double y) {
  EntityStart(DxfLines, "TEXT");
  Group(DxfLines, "40", drawing::kTextHeightText);
  Group(DxfLines, "50", FormatGeneral(rotation));
  Group(DxfLines, "72", kCentred);
  Group(DxfLines, "1", text);
  Group(DxfLines, "10", FormatCoordinate(x));
  Group(DxfLines, "20", FormatCoordinate(y));
  Group(DxfLines, "11", FormatCoordinate(x));
  Group(DxfLines, "21", FormatCoordinate(y));
}

std::string DxfWriter::Bytes() const {
  LineBuffer header;
  WriteDxfHeader(header);
  LineBuffer footer;
  WriteDxfFooter(footer);
  return header.Text() + DxfLines.Text() + footer.Text();
}

}  // namespace dxf
