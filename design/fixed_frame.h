#pragma once

#include "design/drawing_context.h"

namespace design {

// The part of the drawing that does not depend on the hours: the gnomon
// profile with its captions and angle arc, the line the gnomon stands on,
// the dial plate outline with its caption, and a border around the plate.
void DrawFixedFrame(DrawingContext& context, double latitude);

}  // namespace design
