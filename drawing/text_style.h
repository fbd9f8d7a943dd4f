#pragma once

namespace drawing {

// The height of every text in the drawing, in drawing units. The DXF file
// writes it as the fixed text kTextHeightText, never through a number form.
inline constexpr double kTextHeight = 0.075;
inline constexpr const char* kTextHeightText = "0.075";

}  // namespace drawing
