#pragma once

#include <string_view>

namespace pdf {

// The PDF's one font: Helvetica, one of the standard fonts every PDF reader
// has, so the file embeds none and its text stays searchable text.
inline constexpr const char* kFontName = "Helvetica";

// The advance of `text` set in Helvetica at `size`, in the units of `size`.
double TextWidth(std::string_view text, double size);

}  // namespace pdf
