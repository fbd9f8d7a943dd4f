#pragma once

#include "design/pen.h"
#include "dxf/drawing_sink.h"

namespace design {

// What the drawing stages of one run share: where the entities go, the pen
// that carries their points, and the run's degrees-to-radians factor.
struct DrawingContext {
  dxf::DrawingSink& sink;
  Pen& pen;
  double DegToRad;
};

}  // namespace design
