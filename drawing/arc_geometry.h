#pragma once

#include "drawing/point.h"

namespace drawing {


// Degrees swept counter-clockwise from startAngle to endAngle, as a DXF arc
// runs: 0 when the two angles are equal, a full 360 when they differ by
// whole turns, otherwise the turn between them, in (0, 360).
double CounterClockwiseSweep(double startAngle, double endAngle);

// The point of the circle about (centreX, centreY) at `angle` degrees
// counter-clockwise from +x.
Point PointOnCircle(double centreX, double centreY, double radius, double angle);

}  // namespace drawing
