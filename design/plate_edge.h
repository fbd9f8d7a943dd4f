#pragma once

#include "drawing/point.h"

namespace design {

// Where the line that leaves the point (footX, 0) at angle theta meets the
// edge of the dial plate. A line from the foot of a thin style (footX 0)
// tells the edges apart by the plate corners' directions rounded to five
// decimals, as the drawing always has; a line from a face of a thick style
// by the exact directions of the corners seen from its foot. The edge's own
// coordinate is stored exactly, so that callers may compare it.
drawing::Point EndOnPlateEdge(double footX, double theta);

// Where an hour's number goes and how it is turned: 0.09 outside the edge
// that `end` lies on, facing away from the plate.
struct HourNumberPlace {
  drawing::Point point;
  double rotation;
};
HourNumberPlace PlaceHourNumber(drawing::Point end);

}  // namespace design
