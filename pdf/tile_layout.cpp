#include "pdf/tile_layout.h"

#include <cmath>
#include <stdexcept>

#include "drawing/print_length.h"

namespace pdf {
namespace {

// Wider than any printer's unprintable border.
constexpr double kMarginMm = 15;
// The strip under the content area for the page's name, the check bar and,
// on the first page, the assembly key.
constexpr double kFooterMm = 22;
constexpr double kOverlapMm = 10;

// How many pages of `content` cover `length` with `overlap` between them;
// more than kMaxPages, or no number at all, counts as kMaxPages + 1, so
// that no count overflows.
int PagesAlong(double length, double content, double overlap) {
  if (length <= content) return 1;
  const double pages = std::ceil((length - overlap) / (content - overlap));
  return pages <= kMaxPages ? static_cast<int>(pages) : kMaxPages + 1;
}

TileLayout Layout(const drawing::DrawingExtent& extent, SheetSize sheet) {
  TileLayout layout;
  layout.sheet = sheet;
  layout.margin = kMarginMm * drawing::kPointsPerMm;
  layout.footer = kFooterMm * drawing::kPointsPerMm;
  layout.overlap = kOverlapMm * drawing::kPointsPerMm;
  layout.contentLeft = layout.margin;
  layout.contentBottom = layout.margin + layout.footer;
  layout.contentWidth = sheet.width - 2 * layout.margin;
  layout.contentHeight = sheet.height - 2 * layout.margin - layout.footer;
  const double width = extent.MaxX() - extent.MinX();
  const double height = extent.MaxY() - extent.MinY();
  layout.columns = PagesAlong(width, layout.contentWidth, layout.overlap);
  layout.rows = PagesAlong(height, layout.contentHeight, layout.overlap);
  const double coveredWidth = layout.columns * layout.StepX() + layout.overlap;
  const double coveredHeight = layout.rows * layout.StepY() + layout.overlap;
  layout.left = extent.MinX() - (coveredWidth - width) / 2;
  layout.top = extent.MaxY() + (coveredHeight - height) / 2;
  return layout;
}

}  // namespace

TileLayout LayOutTiles(const drawing::DrawingExtent& extent, Paper paper) {
  const SheetSize upright = UprightSize(paper);
  const TileLayout portrait = Layout(extent, upright);
  const TileLayout landscape = Layout(extent, {upright.height, upright.width});
  const TileLayout& fewer = landscape.Pages() < portrait.Pages() ? landscape : portrait;
  if (fewer.Pages() > kMaxPages) {
    throw std::length_error("the template would need more than " + std::to_string(kMaxPages) +
                            " pages");
  }
  return fewer;
}

std::string PageName(int column, int row) {
  std::string letters;
  for (int n = column + 1; n > 0; n = (n - 1) / 26) {
    letters.insert(letters.begin(), static_cast<char>('A' + (n - 1) % 26));
  }
  return letters + std::to_string(row + 1);
}

}  // namespace pdf
