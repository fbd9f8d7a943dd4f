#pragma once

#include <string>

#include "drawing/drawing_document.h"
#include "drawing/drawing_extent.h"
#include "drawing/print_length.h"

namespace svg {

// The drawing as an SVG picture at true size: one drawing unit prints at
// `gnomonLength`. Every entity becomes one element (a LINE a <line>, the
// ARC a <path>, a TEXT a <text>), blue like the drawing, with y turned to
// point down and the texts kept upright as they stand in the drawing. The
// sub-hour lines, when there are any, stand in a group of their own with a
// thinner stroke.
class SvgDocument : public drawing::DrawingDocument {
 public:
  explicit SvgDocument(drawing::PrintLength gnomonLength) : gnomonLength_(gnomonLength) {}

  void AddLine(double startX, double startY, double endX, double endY) override;
  void AddSubHourLine(double startX, double startY, double endX, double endY) override;
  void AddArc(double centreX, double centreY, double radius, double startAngle,
              double endAngle) override;
  void AddText(const std::string& text, double rotation, double x, double y) override;

  // The whole file: sized in the gnomon length's unit, its view box holding
  // every entity with a margin.
  std::string Bytes() const override;

 private:
  std::string SizeAttributes() const;

  drawing::PrintLength gnomonLength_;
  drawing::DrawingExtent extent_;
  std::string strokes_;
  std::string subHourStrokes_;
  std::string texts_;
};

}  // namespace svg
