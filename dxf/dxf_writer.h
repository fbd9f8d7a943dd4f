#pragma once

#include <optional>
#include <string>

#include "drawing/drawing_document.h"
#include "drawing/print_length.h"
#include "dxf/line_buffer.h"

namespace dxf {

// The drawing as an ASCII DXF file: one ENTITIES section of LINE, ARC and
// TEXT entities on layer SUNDIAL in colour 5, the sub-hour lines on layer
// MINUTES in the same colour. Each entity appends its group
// code and value lines to DxfLines; the file's bytes frame them with the
// header and the footer, every line ending in CR LF.
class DxfWriter : public drawing::DrawingDocument {
 public:
  // One drawing unit per gnomon length, and no units stated.
  DxfWriter() = default;
  // At true size: every length scaled so that the gnomon's base measures
  // `gnomonLength` in its unit, which a HEADER section states for CAD
  // programs to open the drawing at that size.
  explicit DxfWriter(drawing::PrintLength gnomonLength) : gnomonLength_(gnomonLength) {}

  void AddLine(double startX, double startY, double endX, double endY) override;
  void AddSubHourLine(double startX, double startY, double endX, double endY) override;
  void AddArc(double centreX, double centreY, double radius, double startAngle,
              double endAngle) override;
  void AddText(const std::string& text, double rotation, double x, double y) override;

  std::string Bytes() const override;

 private:
  // A LINE entity on `layer`.
  void LineRecord(const char* layer, double startX, double startY, double endX, double endY);
  // A length or coordinate in the coordinate form, at true size when scaled.
  std::string LengthText(double drawingUnits) const;
  std::string TextHeight() const;

  std::optional<drawing::PrintLength> gnomonLength_;
  LineBuffer DxfLines;
};

}  // namespace dxf
