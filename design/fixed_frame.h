#pragma once

#include "drawing/drawing_sink.h"

namespace design {

// The part of the drawing that does not depend on the hours: the gnomon
// profile with its captions and angle arc, the line the gnomon stands on,
// the dial plate outline with its caption, and a border around the plate.
void DrawFixedFrame(drawing::DrawingSink& sink, double latitude);

}  // namespace design
