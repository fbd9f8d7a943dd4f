#include "drawing/arc_geometry.h"

#include <cmath>
#include <numbers>

namespace drawing {

double CounterClockwiseSweep(double startAngle, double endAngle) {
  if (startAngle == endAngle) return 0;
  double sweep = std::fmod(endAngle - startAngle, 360.0);
  if (sweep < 0) sweep += 360;
  return sweep == 0 ? 360 : sweep;
}

Point PointOnCircle(double centreX, double centreY, double radius, double angle) {
  const double radians = angle * std::numbers::pi / 180;
  return {centreX + radius * std::cos(radians), centreY + radius * std::sin(radians)};
}

}  // namespace drawing
