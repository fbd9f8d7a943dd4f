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
}

void WriteEntitiesStart(LineBuffer& lines) {
  Group(lines, " 0", "SECTION");
  Group(lines, " 2", "ENTITIES");
}

// $INSUNITS codes of the DXF format.
const char* InsUnits(drawing::LengthUnit unit) {
  switch (unit) {
    case drawing::LengthUnit::Inch:
      return "1";
    case drawing::LengthUnit::Centimetre:
      return "5";
    case drawing::LengthUnit::Millimetre:
      break;
  }
  return "4";
}

// The drawing's unit, for CAD programs to insert and plot it at size.
// $MEASUREMENT 1 makes a metric drawing use metric hatch and line-type
// files; inches are the format's default.
void WriteUnitsHeader(LineBuffer& lines, drawing::LengthUnit unit) {
  Group(lines, " 0", "SECTION");
  Group(lines, " 2", "HEADER");
  Group(lines, " 9", "$INSUNITS");
  Group(lines, "70", InsUnits(unit));
  if (unit != drawing::LengthUnit::Inch) {
    Group(lines, " 9", "$MEASUREMENT");
    Group(lines, "70", "1");
  }
  Group(lines, " 0", "ENDSEC");
}

void WriteDxfFooter(LineBuffer& lines) {
  Group(lines, " 0", "ENDSEC");
  Group(lines, " 0", "EOF");
}

}  // namespace

void DxfWriter::LineRecord(const char* layer, double startX, double startY, double endX,
                           double endY) {
  EntityStart(DxfLines, "LINE", layer);
  Group(DxfLines, "10", LengthText(startX));
  Group(DxfLines, "20", LengthText(startY));
  Group(DxfLines, "11", LengthText(endX));
  Group(DxfLines, "21", LengthText(endY));
}

std::string DxfWriter::LengthText(double drawingUnits) const {
  if (!gnomonLength_) return FormatCoordinate(drawingUnits);
  return FormatCoordinate(drawingUnits * gnomonLength_->value);
}

std::string DxfWriter::TextHeight() const {
  if (!gnomonLength_) return drawing::kTextHeightText;
  return LengthText(drawing::kTextHeight);
}

void DxfWriter::AddLine(double startX, double startY, double endX, double endY) {
  LineRecord(kLayer, startX, startY, endX, endY);
}

void DxfWriter::AddSubHourLine(double startX, double startY, double endX, double endY) {
  LineRecord(kSubHourLayer, startX, startY, endX, endY);
}

void DxfWriter::AddArc(double centreX, double centreY, double radius, double startAngle,
                       double endAngle) {
  EntityStart(DxfLines, "ARC");
  Group(DxfLines, "10", LengthText(centreX));
  Group(DxfLines, "20", LengthText(centreY));
  Group(DxfLines, "40", LengthText(radius));
  Group(DxfLines, "50", FormatCoordinate(startAngle));
  Group(DxfLines, "51", FormatCoordinate(endAngle));
}

void DxfWriter::AddText(const std::string& text, double rotation, double x, double y) {
  EntityStart(DxfLines, "TEXT");
  Group(DxfLines, "40", TextHeight());
  Group(DxfLines, "50", FormatGeneral(rotation));
  Group(DxfLines, "72", kCentred);
  Group(DxfLines, "1", text);
  Group(DxfLines, "10", LengthText(x));
  Group(DxfLines, "20", LengthText(y));
  Group(DxfLines, "11", LengthText(x));
  Group(DxfLines, "21", LengthText(y));
}

std::string DxfWriter::Bytes() const {
  LineBuffer header;
  WriteDxfHeader(header);
  if (gnomonLength_) WriteUnitsHeader(header, gnomonLength_->unit);
  WriteEntitiesStart(header);
  LineBuffer footer;
  WriteDxfFooter(footer);
  return header.Text() + DxfLines.Text() + footer.Text();
}

}  // namespace dxf
