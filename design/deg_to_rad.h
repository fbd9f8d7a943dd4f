#pragma once

#include <numbers>

namespace design {

// Degrees to radians for every trigonometric call of a design run: the
// 64-bit value 0.017453292519943295. An arc tangent's result is divided by it.
inline constexpr double DegToRad = std::numbers::pi / 180;

}  // namespace design
