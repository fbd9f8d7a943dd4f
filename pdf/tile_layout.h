#pragma once

#include <string>

#include "drawing/drawing_extent.h"
#include "pdf/paper.h"

namespace pdf {

// Where the pages of a template lie, all lengths in points. Every page shows
// the same content area; neighbouring pages show an `overlap` wide strip of
// the drawing twice, to align them by.
struct TileLayout {
  SheetSize sheet;
  int columns = 1;
  int rows = 1;
  double margin = 0;
  double footer = 0;
  double overlap = 0;
  // The content area on every page: above the footer, inside the margin.
  double contentLeft = 0;
  double contentBottom = 0;
  double contentWidth = 0;
  double contentHeight = 0;
  // The drawing's point at the top left corner of page A1's content area,
  // in points with y up.
  double left = 0;
  double top = 0;

  int Pages() const { return columns * rows; }
  double StepX() const { return contentWidth - overlap; }
  double StepY() const { return contentHeight - overlap; }
  // Where a point of the drawing (in points, y up) lies on the page in
  // `column` or `row`, in that page's own coordinates.
  double PageX(int column, double x) const { return contentLeft + x - (left + column * StepX()); }
  double PageY(int row, double y) const {
    return contentBottom + contentHeight + y - (top - row * StepY());
  }
};

// More pages than anyone tapes together; a larger template is refused
// rather than written out page by page until memory runs out.
inline constexpr int kMaxPages = 1000;

// The fewest pages of `paper`, upright or turned, that show `extent` (in
// points, y up) whole, the drawing centred on them. Upright wins a tie.
// Throws std::length_error beyond kMaxPages.
TileLayout LayOutTiles(const drawing::DrawingExtent& extent, Paper paper);

// The page's name in the grid: its column as a letter ("A" to "Z", then
// "AA"), its row as a number from 1 at the top: "B2".
std::string PageName(int column, int row);

}  // namespace pdf
