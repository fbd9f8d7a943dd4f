#pragma once

namespace design {

// The dial plate and the border around it, in drawing units (the gnomon is
// 1 long). The origin is the foot of the style, where the hour lines meet;
// the plate runs from -0.5 to 0.5 across and from -0.25 to 1 along the noon
// line, the border 0.1 outside it.
inline constexpr double kPlateHalfWidth = 0.5;
inline constexpr double kPlateTop = 1.0;
inline constexpr double kPlateBottom = -0.25;
inline constexpr double kBorderHalfWidth = 0.6;
inline constexpr double kBorderTop = 1.1;
inline constexpr double kBorderBottom = -0.35;

// The hour numbers stand 0.09 outside the plate edge their line ends on,
// between the plate and the border.
inline constexpr double kNumberRight = 0.59;
inline constexpr double kNumberLeft = -0.59;
inline constexpr double kNumberTop = 1.09;
inline constexpr double kNumberBottom = -0.34;

// Directions of the plate's corners (0.5, 1), (-0.5, 1), (-0.5, -0.25) and
// (0.5, -0.25), rounded to five decimals as the drawing has always used them.
inline constexpr double kTopRightCorner = 63.43495;
inline constexpr double kTopLeftCorner = 116.56505;
inline constexpr double kBottomLeftCorner = 206.56505;
inline constexpr double kBottomRightCorner = 333.43495;

}  // namespace design
