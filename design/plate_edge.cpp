#include "design/plate_edge.h"

#include <cmath>

#include "design/deg_to_rad.h"
#include "design/plate_geometry.h"

namespace design {
namespace {

struct CornerDirections {
  double topRight;
  double topLeft;
  double bottomLeft;
  double bottomRight;
};

// Degrees counter-clockwise from +x, from 0 up to 360.
double DirectionTo(double dx, double dy) {
  const double degrees = std::atan2(dy, dx) / DegToRad;
  return degrees < 0 ? degrees + 360 : degrees;
}

CornerDirections CornersSeenFrom(double footX) {
  if (footX == 0) {
    return {kTopRightCorner, kTopLeftCorner, kBottomLeftCorner, kBottomRightCorner};
  }
  return {DirectionTo(kPlateHalfWidth - footX, kPlateTop),
          DirectionTo(-kPlateHalfWidth - footX, kPlateTop),
          DirectionTo(-kPlateHalfWidth - footX, kPlateBottom),
          DirectionTo(kPlateHalfWidth - footX, kPlateBottom)};
}

}  // namespace

drawing::Point EndOnPlateEdge(double footX, double theta) {
  const CornerDirections corners = CornersSeenFrom(footX);
  const double slope = std::tan(theta * DegToRad);
  if (theta < corners.topRight || theta > corners.bottomRight) {
    return {kPlateHalfWidth, (kPlateHalfWidth - footX) * slope};
  }
  if (theta < corners.topLeft) return {footX + kPlateTop / slope, kPlateTop};
  if (theta < corners.bottomLeft) return {-kPlateHalfWidth, (-kPlateHalfWidth - footX) * slope};
  return {footX + kPlateBottom / slope, kPlateBottom};
}

// The edge values were stored exactly, so the comparisons are exact.
HourNumberPlace PlaceHourNumber(drawing::Point end) {
  if (end.x == kPlateHalfWidth) return {{kNumberRight, end.y}, 90};
  if (end.x == -kPlateHalfWidth) return {{kNumberLeft, end.y}, 270};
  if (end.y == kPlateTop) return {{end.x, kNumberTop}, 180};
  return {{end.x, kNumberBottom}, 0};
}

}  // namespace design
