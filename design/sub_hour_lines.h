#pragma once

#include "drawing/drawing_sink.h"

namespace design {

// A line for every `minuteStep` minutes between the whole hours (30, 20,
// 15, 10 or 5), each following the rule of the hour lines for its own clock
// time: moved by `correction` (degrees, see LongitudeCorrection), mirrored
// for a southern site, left out in the night window, and from the foot of
// the style, or of the face of a style `thickness` thick on its side, to
// the plate's edge. A line starts part of the way out so that the hours
// stand out: half hours reach in furthest, then quarter hours, then the
// rest. No numbers, no table rows.
void DrawSubHourLines(drawing::DrawingSink& sink, double latitude, double correction,
                      int minuteStep, double thickness);

// How far out along its line, from the foot (0) to the plate's edge (1),
// the line of a minute past the hour starts.
double SubHourLineStart(int minute);

}  // namespace design
