#include "design/fixed_frame.h"

#include <cmath>

#include "dxf/angle_text.h"

namespace design {
namespace {

void Line(DrawingContext& c, double startX, double startY, double endX, double endY) {
  c.pen = {startX, startY, endX, endY};
  c.sink.AddLine(c.pen.StartX, c.pen.StartY, c.pen.EndX, c.pen.EndY);
}

void Caption(DrawingContext& c, double x, double y, const std::string& text) {
  c.pen.StartX = x;
  c.pen.StartY = y;
  c.sink.AddText(text, 0, c.pen.StartX, c.pen.StartY);
}

// Half of a rectangle centred on the y axis: the three sides above (or
// below) the x axis up to (or down to) `y`. Two halves meet on the x axis.
void HalfOutline(DrawingContext& c, double halfWidth, double y) {
  Line(c, -halfWidth, 0, -halfWidth, y);
  Line(c, halfWidth, y, -halfWidth, y);
  Line(c, halfWidth, y, halfWidth, 0);
}

}  // namespace

void DrawFixedFrame(DrawingContext& c, double latitude) {
  const double angle = std::fabs(latitude);
  const double height = std::tan(angle * c.DegToRad);

  Line(c, 0, 0, 0, 1);
  Line(c, 2, 0, 3, 0);
  Line(c, 2, 0, 3, height);
  Line(c, 3, 0, 3, height);
  Caption(c, 2.5, -0.2, "Gnomon");
  Caption(c, 2.5, -0.4, "Angle = " + dxf::FormatDms(angle));
  c.pen.StartX = 2;
  c.pen.StartY = 0;
  c.sink.AddArc(c.pen.StartX, c.pen.StartY, 0.15, 0, angle);

  // The dial plate, its caption between its halves, then the border.
  HalfOutline(c, 0.5, 1);
  Caption(c, 0, -0.5, "Dial");
  HalfOutline(c, 0.5, -0.25);
  HalfOutline(c, 0.6, 1.1);
  HalfOutline(c, 0.6, -0.35);
}

}  // namespace design
