#include "dxf/dxf_writer.h"

#include "dxf/number_forms.h"

namespace dxf {
namespace {

constexpr const char* kLayer = "SUNDIAL";
constexpr const char* kColour = "5";
constexpr const char* kTextHeight = "0.075";
constexpr const char* kCentred = "1";

}  // namespace

void DxfWriter::Group(const char* code, std::string value) {
  lines_.Add(code);
  lines_.Add(std::move(value));
}

void DxfWriter::EntityStart(const char* type) {
  Group(" 0", type);
  Group(" 8", kLayer);
  Group("62", kColour);
}

void DxfWriter::WriteDxfHeader() {
  Group("999", "DXF File Produced by Quennet's Ziradadozo Rezudor Program");
  Group("999", "Copyright (c) 2026 The Ziradadozo Rezudor Design developers");
  Group("999", "e-mail: design@ziradadozo-rezudor.example");
  Group(" 0", "SECTION");
  Group(" 2", "ENTITIES");
}

void DxfWriter::WriteDxfFooter() {
  Group(" 0", "ENDSEC");
  Group(" 0", "EOF");
}

void DxfWriter::AddLine(double startX, double startY, double endX, double endY) {
  EntityStart("LINE");
  Group("10", FormatCoordinate(startX));
  Group("20", FormatCoordinate(startY));
  Group("11", FormatCoordinate(endX));
  Group("21", FormatCoordinate(endY));
}

void DxfWriter::AddArc(double centreX, double centreY, double radius, double startAngle,
                       double endAngle) {
  EntityStart("ARC");
  Group("10", FormatCoordinate(centreX));
  Group("20", FormatCoordinate(centreY));
  Group("40", FormatCoordinate(radius));
  Group("50", FormatCoordinate(startAngle));
  Group("51", FormatCoordinate(endAngle));
}

void DxfWriter::AddText(const std::string& text, double rotation, double x, double y) {
  EntityStart("TEXT");
  Group("40", kTextHeight);
  Group("50", FormatGeneral(rotation));
  Group("72", kCentred);
  Group("1", text);
  Group("10", FormatCoordinate(x));
  Group("20", FormatCoordinate(y));
  Group("11", FormatCoordinate(x));
  Group("21", FormatCoordinate(y));
}

}  // namespace dxf
