#pragma once

#include <string>

#include "drawing/drawing_document.h"
#include "dxf/line_buffer.h"

namespace dxf {

// The drawing as an ASCII DXF file: one ENTITIES section of LINE, ARC and
// TEXT entities on layer SUNDIAL in colour 5, the sub-hour lines on layer
// MINUTES in the same colour. Each entity appends its group
// code and value lines to DxfLines; the file's bytes frame them with the
// header and the footer, every line ending in CR LF.
class DxfWriter : public drawing::DrawingDocument {
 public:
  void AddLine(double startX, double startY, double endX, double endY) override;
  void AddSubHourLine(double startX, double startY, double endX, double endY) override;
  void AddArc(double centreX, double centreY, double radius, double startAngle,
              double endAngle) override;
  void AddText(const std::string& text, double rotation, double x, double y) override;

  std::string Bytes() const override;

 private:
  LineBuffer DxfLines;
};

}  // namespace dxf
