#pragma once

#include <vector>

namespace design {

// The points on the noon-midnight axis (x, 0) that a line of direction H
// radiates from. A style of no thickness has one foot, the origin. A plate
// gnomon of thickness t stands on the noon line with its faces at x = -t/2
// and x = t/2: a line on the left half of the dial (H between 90 and 270)
// is the shadow of the left face's edge, a line on the right half that of
// the right face's edge; at H 90 or 270 the shadow lies under the gnomon,
// so the line is split in two, one from each face. On a northern dial the
// left face is the western one and the left half the morning; a southern
// dial, drawn with its noon line up, is mirrored, so the same rule holds.
std::vector<double> StyleFeet(double H, double thickness);

}  // namespace design
