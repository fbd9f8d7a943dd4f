#pragma once

namespace design {

// The points of the next record: a line runs from the start to the end, the
// arc and the captions stand at the start, the hour numbers at the end.
struct Pen {
  double StartX = 0.0;
  double StartY = 0.0;
  double EndX = 0.0;
  double EndY = 0.0;
};

}  // namespace design
