#pragma once

#include "design/dial_zone.h"

namespace design {

// The directions the dial's lines are worked out from, in degrees
// counter-clockwise from +x: midnight 270, six 180, noon 90.

// The direction of a clock time given in hours (14.5 is half past two),
// moved by the site's distance from the meridian of its clock, mirrored
// for a southern site and brought into [0, 360]. A whole hour gives
// exactly the direction its hour line has always had.
double ClockDirection(double clockHour, double correction, double latitude);

// The site's longitude less the meridian whose time the dial reads: the
// amount every direction is moved by. Exactly 0 for local apparent time.
double LongitudeCorrection(const DialZone& zone, double longitude);

// The directions that lie in the night at a latitude: a line whose
// direction lies between them, both included, is not drawn.
struct NightWindow {
  double HideFrom;
  double HideTo;
  bool Shows(double direction) const { return direction < HideFrom || direction > HideTo; }
};
NightWindow NightWindowFor(double latitude);

// The angle on the horizontal plate of the line whose direction is H:
// tan(theta - 90) = sin|lat| tan(H - 90), theta kept in H's quarter.
double DialAngle(double H, double latitude);

}  // namespace design
