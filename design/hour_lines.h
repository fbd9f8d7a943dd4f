#pragma once

#include "design/dial_options.h"
#include "design/dial_zone.h"
#include "drawing/drawing_sink.h"

namespace design {

// The hour-line stage: for every clock hour that can see the sun at the
// site, its line from the foot of the style to the edge of the dial plate
// and its number just outside the plate; then the sub-hour lines the
// options ask for; then the table of the hour lines' angles. Latitude and
// longitude in degrees, north and west positive.
void DrawHourLines(drawing::DrawingSink& sink, double latitude, double longitude,
                   const DialZone& zone, const DialOptions& options = {});

}  // namespace design
