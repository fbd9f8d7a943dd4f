#include "pdf/pdf_document.h"

#include <algorithm>
#include <cmath>
#include <numbers>

#include "drawing/arc_geometry.h"
#include "drawing/text_style.h"
#include "pdf/pdf_file.h"
#include "pdf/pdf_number.h"

namespace pdf {
namespace {

// The same margin around the drawing as the SVG picture leaves.
constexpr double kDrawingMargin = 0.1;
// Bezier curves follow a circle to within 0.03 % of its radius over a
// quarter turn at most.
constexpr double kMaxCurveDegrees = 90;

constexpr double kNameSize = 22;
constexpr double kSmallSize = 7.5;
constexpr double kBarHeightMm = 2.5;
constexpr double kBarLeftMm = 32;
constexpr double kKeyGapMm = 8;

double Mm(double millimetres) { return millimetres * drawing::kPointsPerMm; }

void DrawingColour(PageContent& page) {
  page.StrokeColour(0, 0, 1);
  page.FillColour(0, 0, 1);
}

void GuideColour(PageContent& page) {
  page.StrokeColour(0.55, 0.55, 0.55);
  page.FillColour(0.35, 0.35, 0.35);
}

// Maps drawing units onto one page's points.
struct Placement {
  double scale;
  double offsetX;
  double offsetY;

  double X(double x) const { return offsetX + x * scale; }
  double Y(double y) const { return offsetY + y * scale; }
};

void DrawArcCurves(PageContent& page, const Placement& at, double centreX, double centreY,
                   double radius, double startAngle, double sweep) {
  const int pieces = static_cast<int>(std::ceil(sweep / kMaxCurveDegrees));
  const double step = sweep / pieces;
  const double handle = 4.0 / 3 * std::tan(step * std::numbers::pi / 720) * radius;
  drawing::Point from = drawing::PointOnCircle(centreX, centreY, radius, startAngle);
  page.MoveTo(at.X(from.x), at.Y(from.y));
  for (int i = 1; i <= pieces; ++i) {
    const double a0 = (startAngle + (i - 1) * step) * std::numbers::pi / 180;
    const double a1 = (startAngle + i * step) * std::numbers::pi / 180;
    const drawing::Point to =
        drawing::PointOnCircle(centreX, centreY, radius, startAngle + i * step);
    page.CurveTo(at.X(from.x - handle * std::sin(a0)), at.Y(from.y + handle * std::cos(a0)),
                 at.X(to.x + handle * std::sin(a1)), at.Y(to.y - handle * std::cos(a1)), at.X(to.x),
                 at.Y(to.y));
    from = to;
  }
}

std::string CheckLengthText(const drawing::PrintLength& length) {
  return PdfNumber(length.value) + " " + std::string(drawing::UnitSymbol(length.unit));
}

}  // namespace

void PdfDocument::AddLine(double startX, double startY, double endX, double endY) {
  lines_.push_back({startX, startY, endX, endY});
  extent_.Include(startX, startY);
  extent_.Include(endX, endY);
}

void PdfDocument::AddSubHourLine(double startX, double startY, double endX, double endY) {
  subHourLines_.push_back({startX, startY, endX, endY});
  extent_.Include(startX, startY);
  extent_.Include(endX, endY);
}

void PdfDocument::AddArc(double centreX, double centreY, double radius, double startAngle,
                         double endAngle) {
  const double sweep = drawing::CounterClockwiseSweep(startAngle, endAngle);
  arcs_.push_back({centreX, centreY, radius, startAngle, sweep});
  extent_.IncludeArc(centreX, centreY, radius, startAngle, sweep);
}

void PdfDocument::AddText(const std::string& text, double rotation, double x, double y) {
  texts_.push_back({text, rotation, x, y});
  extent_.IncludeText(text, drawing::kTextHeight, rotation, x, y);
}

double PdfDocument::PointsPerUnit() const {
  return drawing::Millimetres(gnomonLength_) * drawing::kPointsPerMm;
}

drawing::DrawingExtent PdfDocument::ExtentInPoints() const {
  drawing::DrawingExtent box = extent_;
  if (box.Empty()) box.Include(0, 0);
  box.Grow(kDrawingMargin);
  drawing::DrawingExtent points;
  points.Include(box.MinX() * PointsPerUnit(), box.MinY() * PointsPerUnit());
  points.Include(box.MaxX() * PointsPerUnit(), box.MaxY() * PointsPerUnit());
  return points;
}

void PdfDocument::DrawTile(PageContent& page, const TileLayout& layout, int column, int row) const {
  const Placement at{PointsPerUnit(), layout.PageX(column, 0), layout.PageY(row, 0)};
  page.SaveClippedTo(layout.contentLeft, layout.contentBottom, layout.contentWidth,
                     layout.contentHeight);
  DrawingColour(page);
  page.LineWidth(Mm(drawing::kPrintedLineWidthMm));
  page.RoundCaps();
  for (const Line& line : lines_) {
    page.MoveTo(at.X(line.startX), at.Y(line.startY));
    page.LineTo(at.X(line.endX), at.Y(line.endY));
  }
  for (const Arc& arc : arcs_) {
    if (arc.sweep > 0) {
      DrawArcCurves(page, at, arc.centreX, arc.centreY, arc.radius, arc.startAngle, arc.sweep);
    }
  }
  page.Stroke();
  if (!subHourLines_.empty()) {
    page.LineWidth(Mm(drawing::kPrintedSubHourLineWidthMm));
    for (const Line& line : subHourLines_) {
      page.MoveTo(at.X(line.startX), at.Y(line.startY));
      page.LineTo(at.X(line.endX), at.Y(line.endY));
    }
    page.Stroke();
  }
  for (const Text& text : texts_) {
    page.CentredText(text.text, drawing::kTextHeight * at.scale, text.rotation, at.X(text.x),
                     at.Y(text.y));
  }
  page.Restore();
}

// The frame the drawing shows in, and a dashed line where each neighbour's
// edge goes, on the strip the two pages share.
void PdfDocument::DrawJoins(PageContent& page, const TileLayout& layout, int column,
                            int row) const {
  GuideColour(page);
  page.LineWidth(0.5);
  page.Rectangle(layout.contentLeft, layout.contentBottom, layout.contentWidth,
                 layout.contentHeight);
  page.Stroke();

  const double contentRight = layout.contentLeft + layout.contentWidth;
  const double contentTop = layout.contentBottom + layout.contentHeight;
  page.Dash(4, 3);
  if (column + 1 < layout.columns) {
    const double x = contentRight - layout.overlap;
    page.MoveTo(x, layout.contentBottom);
    page.LineTo(x, contentTop);
    page.Stroke();
    page.CentredText(
        "overlap: lay the left edge of page " + PageName(column + 1, row) + " on this line",
        kSmallSize, 90, x + 3 + kSmallSize, layout.contentBottom + layout.contentHeight / 2);
  }
  if (row + 1 < layout.rows) {
    const double y = layout.contentBottom + layout.overlap;
    page.MoveTo(layout.contentLeft, y);
    page.LineTo(contentRight, y);
    page.Stroke();
    page.CentredText(
        "overlap: lay the top edge of page " + PageName(column, row + 1) + " on this line",
        kSmallSize, 0, layout.contentLeft + layout.contentWidth / 2, y + 3);
  }
  page.Dash(0, 0);
}

// The page's name and number, the check bar with what to do with it, and on
// the first page the key.
void PdfDocument::DrawFooter(PageContent& page, const TileLayout& layout, int column,
                             int row) const {
  const double base = layout.margin;
  page.FillColour(0, 0, 0);
  page.Text(PageName(column, row), kNameSize, 0, layout.margin, base + Mm(10));
  page.Text("page " + std::to_string(row * layout.columns + column + 1) + " of " +
                std::to_string(layout.Pages()),
            kSmallSize, 0, layout.margin, base + Mm(4));

  const drawing::PrintLength check = CheckLength(paper_);
  const double barLeft = layout.margin + Mm(kBarLeftMm);
  const double barLength = Mm(drawing::Millimetres(check));
  page.Rectangle(barLeft, base + Mm(9), barLength, Mm(kBarHeightMm));
  page.Fill();
  page.Text("CHECK: this bar must measure exactly " + CheckLengthText(check) +
                " on the print before you cut",
            kSmallSize, 0, barLeft, base + Mm(14));
  page.Text("Print at 100 % (\"actual size\", no fit to page).", kSmallSize, 0, barLeft,
            base + Mm(4.5));
  if (column == 0 && row == 0) DrawKey(page, layout, barLeft + barLength + Mm(kKeyGapMm));
}

// The page grid in miniature, this page shaded, for laying the pages out.
void PdfDocument::DrawKey(PageContent& page, const TileLayout& layout, double left) const {
  const double right = layout.sheet.width - layout.margin;
  const double base = layout.margin;
  page.FillColour(0, 0, 0);
  page.Text("Assembly (" + std::to_string(layout.columns) + " x " + std::to_string(layout.rows) +
                " pages):",
            kSmallSize, 0, left, base + Mm(18));
  const double cell = std::min({(right - left) / layout.columns, Mm(15) / layout.rows, Mm(9)});
  const double top = base + Mm(16);
  page.FillColour(0.85, 0.85, 0.85);
  page.Rectangle(left, top - cell, cell, cell);
  page.Fill();
  page.StrokeColour(0, 0, 0);
  page.FillColour(0, 0, 0);
  page.LineWidth(0.4);
  for (int row = 0; row < layout.rows; ++row) {
    for (int column = 0; column < layout.columns; ++column) {
      const double x = left + column * cell;
      const double y = top - (row + 1) * cell;
      page.Rectangle(x, y, cell, cell);
      page.Stroke();
      page.CentredText(PageName(column, row), cell * 0.4, 0, x + cell / 2, y + cell * 0.35);
    }
  }
}

std::string PdfDocument::Bytes() const {
  const TileLayout layout = LayOutTiles(ExtentInPoints(), paper_);
  PdfFile file;
  for (int row = 0; row < layout.rows; ++row) {
    for (int column = 0; column < layout.columns; ++column) {
      PageContent page;
      DrawTile(page, layout, column, row);
      DrawJoins(page, layout, column, row);
      DrawFooter(page, layout, column, row);
      file.AddPage(layout.sheet, page.Stream());
    }
  }
  return file.Bytes();
}

}  // namespace pdf
