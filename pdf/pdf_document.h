#pragma once

#include <string>
#include <vector>

#include "drawing/drawing_document.h"
#include "drawing/drawing_extent.h"
#include "drawing/print_length.h"
#include "pdf/page_content.h"
#include "pdf/paper.h"
#include "pdf/tile_layout.h"

namespace pdf {

// The drawing as a PDF template to print at true size: one drawing unit
// prints at `gnomonLength`, tiled over as many pages of `paper` as it needs.
// Every page carries its name in the page grid ("B2"), lines to align its
// neighbours by and a check bar of known length; the first page carries the
// key to the grid.
class PdfDocument : public drawing::DrawingDocument {
 public:
  PdfDocument(drawing::PrintLength gnomonLength, Paper paper)
      : gnomonLength_(gnomonLength), paper_(paper) {}

  void AddLine(double startX, double startY, double endX, double endY) override;
  void AddSubHourLine(double startX, double startY, double endX, double endY) override;
  void AddArc(double centreX, double centreY, double radius, double startAngle,
              double endAngle) override;
  void AddText(const std::string& text, double rotation, double x, double y) override;

  std::string Bytes() const override;

 private:
  struct Line {
    double startX, startY, endX, endY;
  };
  struct Arc {
    double centreX, centreY, radius, startAngle, sweep;
  };
  struct Text {
    std::string text;
    double rotation, x, y;
  };

  double PointsPerUnit() const;
  drawing::DrawingExtent ExtentInPoints() const;
  void DrawTile(PageContent& page, const TileLayout& layout, int column, int row) const;
  void DrawJoins(PageContent& page, const TileLayout& layout, int column, int row) const;
  void DrawFooter(PageContent& page, const TileLayout& layout, int column, int row) const;
  void DrawKey(PageContent& page, const TileLayout& layout, double left) const;

  drawing::PrintLength gnomonLength_;
  Paper paper_;
  drawing::DrawingExtent extent_;
  std::vector<Line> lines_;
  std::vector<Line> subHourLines_;
  std::vector<Arc> arcs_;
  std::vector<Text> texts_;
};

}  // namespace pdf
