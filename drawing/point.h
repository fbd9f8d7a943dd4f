#pragma once

namespace drawing {

// A point in drawing units: x to the right, y up, the foot of the style at
// the origin.
struct Point {
  double x;
  double y;
};

}  // namespace drawing
