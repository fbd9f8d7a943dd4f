#pragma once

#include <string>

#include "dxf/drawing_document.h"
#include "platform/line_buffer.h"

namespace dxf {

// Appends the drawing's records to DxfLines, one group code or value per
// line: one ENTITIES section of LINE, ARC and TEXT entities on layer
// SUNDIAL in colour 5, framed by WriteDxfHeader and WriteDxfFooter.
class DxfWriter : public DrawingDocument {
 public:
  void WriteDxfHeader();
  void WriteDxfFooter();
  void AddLine(double startX, double startY, double endX, double endY) override;
  void AddArc(double centreX, double centreY, double radius, double startAngle,
              double endAngle) override;
  void AddText(const std::string& text, double rotation, double x, double y) override;

  const platform::LineBuffer& DxfLines() const { return lines_; }
  // The saved file: every line followed by CR LF.
  std::string Bytes() const override { return lines_.Text(); }

 private:
  void Group(const char* code, std::string value);
  void EntityStart(const char* type);

  platform::LineBuffer lines_;
};

}  // namespace dxf
