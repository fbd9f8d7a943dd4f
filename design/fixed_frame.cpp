#include "design/fixed_frame.h"

#include <cmath>

#include "design/deg_to_rad.h"
#include "design/plate_geometry.h"
#include "drawing/angle_text.h"

namespace design {
namespace {

// Half of a rectangle centred on the y axis: the three sides above (or
// below) the x axis up to (or down to) `y`. Two halves meet on the x axis.
void HalfOutline(drawing::DrawingSink& sink, double halfWidth, double y) {
  sink.AddLine(-halfWidth, 0, -halfWidth, y);
  sink.AddLine(halfWidth, y, -halfWidth, y);
  sink.AddLine(halfWidth, y, halfWidth, 0);
}

}  // namespace

void DrawFixedFrame(drawing::DrawingSink& sink, double latitude, double styleThickness) {
  const double angle = std::fabs(latitude);
  const double height = std::tan(angle * DegToRad);

  // The line the gnomon stands on (one under each face of a thick one),
  // then its profile: base,
  // hypotenuse and upright, beside the plate.
  if (styleThickness == 0) {
    sink.AddLine(0, 0, 0, kPlateTop);
  } else {
    sink.AddLine(-styleThickness / 2, 0, -styleThickness / 2, kPlateTop);
    sink.AddLine(styleThickness / 2, 0, styleThickness / 2, kPlateTop);
  }
  sink.AddLine(2, 0, 3, 0);
  sink.AddLine(2, 0, 3, height);
  sink.AddLine(3, 0, 3, height);
  sink.AddText("Gnomon", 0, 2.5, -0.2);
  sink.AddText("Angle = " + drawing::FormatDms(angle), 0, 2.5, -0.4);
  sink.AddArc(2, 0, 0.15, 0, angle);

  // The dial plate, its caption between its halves, then the border.
  HalfOutline(sink, kPlateHalfWidth, kPlateTop);
  sink.AddText("Dial", 0, 0, -0.5);
  HalfOutline(sink, kPlateHalfWidth, kPlateBottom);
  HalfOutline(sink, kBorderHalfWidth, kBorderTop);
  HalfOutline(sink, kBorderHalfWidth, kBorderBottom);
}

}  // namespace design
