#pragma once

#include "drawing/drawing_sink.h"

namespace design {

// The part of the drawing that does not depend on the hours: the gnomon
// profile with its captions and angle arc, the line the gnomon stands on,
// the dial plate outline with its caption, and a border around the plate.
// A gnomon `styleThickness` thick (drawing units) stands on two lines, one
// under each face, instead of one.
void DrawFixedFrame(drawing::DrawingSink& sink, double latitude, double styleThickness = 0);

}  // namespace design
