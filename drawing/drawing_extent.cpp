#include "drawing/drawing_extent.h"

#include <algorithm>
#include <cmath>
#include <numbers>

#include "drawing/arc_geometry.h"

namespace drawing {
namespace {

// Generous for a sans-serif face: an average advance of 0.6 of the height
// per character, caps and ascenders up to the full height above the
// baseline, descenders 0.3 of it below.
constexpr double kAdvancePerCharacter = 0.6;
constexpr double kAscent = 1.0;
constexpr double kDescent = 0.3;

// Whether `angle` lies on the counter-clockwise sweep that starts at
// `startAngle`.
bool OnSweep(double angle, double startAngle, double sweep) {
  double offset = std::fmod(angle - startAngle, 360.0);
  if (offset < 0) offset += 360;
  return offset <= sweep;
}

}  // namespace

void DrawingExtent::Include(double x, double y) {
  if (empty_) {
    minX_ = maxX_ = x;
    minY_ = maxY_ = y;
    empty_ = false;
    return;
  }
  minX_ = std::min(minX_, x);
  maxX_ = std::max(maxX_, x);
  minY_ = std::min(minY_, y);
  maxY_ = std::max(maxY_, y);
}

void DrawingExtent::IncludeArc(double centreX, double centreY, double radius, double startAngle,
                               double sweep) {
  const Point start = PointOnCircle(centreX, centreY, radius, startAngle);
  const Point end = PointOnCircle(centreX, centreY, radius, startAngle + sweep);
  Include(start.x, start.y);
  Include(end.x, end.y);
  if (OnSweep(0, startAngle, sweep)) Include(centreX + radius, centreY);
  if (OnSweep(90, startAngle, sweep)) Include(centreX, centreY + radius);
  if (OnSweep(180, startAngle, sweep)) Include(centreX - radius, centreY);
  if (OnSweep(270, startAngle, sweep)) Include(centreX, centreY - radius);
}

void DrawingExtent::IncludeText(std::string_view text, double height, double rotation, double x,
                                double y) {
  const double halfWidth = 0.5 * kAdvancePerCharacter * height * static_cast<double>(text.size());
  const double radians = rotation * std::numbers::pi / 180;
  const double c = std::cos(radians);
  const double s = std::sin(radians);
  for (double along : {-halfWidth, halfWidth}) {
    for (double across : {-kDescent * height, kAscent * height}) {
      Include(x + along * c - across * s, y + along * s + across * c);
    }
  }
}

void DrawingExtent::Grow(double margin) {
  minX_ -= margin;
  minY_ -= margin;
  maxX_ += margin;
  maxY_ += margin;
}

}  // namespace drawing
