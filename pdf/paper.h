#pragma once

#include <optional>
#include <string_view>

#include "drawing/print_length.h"

namespace pdf {

enum class Paper { A4, Letter, A3 };

// "a4", "letter" or "a3": the paper as the command line names it.
std::optional<Paper> PaperFromName(std::string_view name);

// A sheet's size in points (1/72 in), upright.
struct SheetSize {
  double width;
  double height;
};

SheetSize UprightSize(Paper paper);

// The length of the bar the user measures on every page: 100 mm, or 4 in on
// paper sized in inches.
drawing::PrintLength CheckLength(Paper paper);

}  // namespace pdf
