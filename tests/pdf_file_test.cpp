// The pieces of the PDF writer that a reader would quietly work around:
// the cross-reference table, stream lengths, string escapes, number texts
// and the page grid's names.
#include "pdf/pdf_file.h"

#include <gtest/gtest.h>

#include <limits>
#include <stdexcept>
#include <string>

#include "numeric_locale.h"
#include "pdf/page_content.h"
#include "pdf/pdf_number.h"
#include "pdf/tile_layout.h"

namespace {

// Readers rebuild a broken table silently, so check every entry: it must
// point at its own object, and every stream must be as long as it says.
TEST(PdfFile, CrossReferencePointsAtEveryObjectAndStreamsHaveTheirLength) {
  pdf::PdfFile file;
  file.AddPage({595.2756, 841.8898}, "0 0 m 10 10 l S");
  file.AddPage({612, 792}, "");
  const std::string bytes = file.Bytes();

  const std::size_t startxref = bytes.rfind("startxref\n");
  ASSERT_NE(startxref, std::string::npos);
  const std::size_t table = std::stoul(bytes.substr(startxref + 10));
  ASSERT_EQ(bytes.compare(table, 7, "xref\n0 "), 0);
  const std::size_t count = std::stoul(bytes.substr(table + 7));
  EXPECT_EQ(count, 8u);  // the free entry, catalog, pages, font, two pages with contents
  std::size_t entry = bytes.find('\n', table + 7) + 1;
  EXPECT_EQ(bytes.substr(entry, 20), "0000000000 65535 f \n");
  for (std::size_t object = 1; object < count; ++object) {
    entry += 20;
    ASSERT_EQ(bytes.compare(entry + 10, 10, " 00000 n \n"), 0) << object;
    const std::size_t offset = std::stoul(bytes.substr(entry, 10));
    const std::string header = std::to_string(object) + " 0 obj\n";
    EXPECT_EQ(bytes.compare(offset, header.size(), header), 0) << object;
  }
  EXPECT_EQ(bytes.compare(entry + 20, 8, "trailer\n"), 0);

  for (std::size_t at = 0; (at = bytes.find("/Length ", at)) != std::string::npos; ++at) {
    const std::size_t length = std::stoul(bytes.substr(at + 8));
    const std::size_t start = bytes.find("stream\n", at) + 7;
    EXPECT_EQ(bytes.compare(start + length, 10, "\nendstream"), 0);
  }
  EXPECT_NE(bytes.find("/MediaBox [0 0 595.2756 841.8898]"), std::string::npos);
  EXPECT_EQ(bytes.substr(bytes.size() - 6), "%%EOF\n");
}

TEST(PageContent, EscapesTheStringDelimiters) {
  pdf::PageContent page;
  page.Text("(a) \\ b", 10, 0, 1, 2);
  EXPECT_NE(page.Stream().find("(\\(a\\) \\\\ b) Tj"), std::string::npos) << page.Stream();
}

TEST(PdfNumber, WritesShortDecimalsWithAPointInEveryLocale) {
  const NumericLocale comma("de_DE.UTF-8");
  const std::pair<double, const char*> cases[] = {
      {0, "0"},
      {-0.0, "0"},
      {-0.00004, "0"},
      {12.5, "12.5"},
      {-12.5, "-12.5"},
      {595.2755905511812, "595.2756"},
      {841.8897637795277, "841.8898"},
      {0.99996, "1"},
      {1190.55, "1190.55"},
      {6.123e-17, "0"},
      {12345678.9, "12345678.9"},
  };
  for (const auto& [value, text] : cases) EXPECT_EQ(pdf::PdfNumber(value), text) << value;
}

drawing::DrawingExtent Box(double width, double height) {
  drawing::DrawingExtent box;
  box.Include(-width / 3, -height / 4);
  box.Include(width * 2 / 3, height * 3 / 4);
  return box;
}

// The pages cover the drawing with the fewest pages: one fewer column or row
// would leave part of it off the paper.
TEST(TileLayout, CoversTheDrawingWithTheFewestPages) {
  const double mm = 72 / 25.4;
  struct Case {
    double width, height;
    int pages;
    bool turned;
  };
  const Case cases[] = {
      {180 * mm, 245 * mm, 1, false},  // just fits A4's drawing area upright
      {181 * mm, 245 * mm, 2, false},  {250 * mm, 150 * mm, 1, true},  // fits only when turned
      {537 * mm, 200 * mm, 4, false},  {500 * mm, 140 * mm, 2, true},
      {900 * mm, 700 * mm, 18, false},
  };
  for (const Case& c : cases) {
    const pdf::TileLayout layout = pdf::LayOutTiles(Box(c.width, c.height), pdf::Paper::A4);
    EXPECT_EQ(layout.Pages(), c.pages) << c.width / mm << " x " << c.height / mm;
    EXPECT_EQ(layout.sheet.width > layout.sheet.height, c.turned) << c.width / mm;
    EXPECT_GE(layout.columns * layout.StepX() + layout.overlap, c.width);
    EXPECT_GE(layout.rows * layout.StepY() + layout.overlap, c.height);
    EXPECT_LT((layout.columns - 1) * layout.StepX() + layout.overlap, c.width);
    EXPECT_LT((layout.rows - 1) * layout.StepY() + layout.overlap, c.height);
    // Centred: as much of the covered area to the left of the drawing as right.
    const double spareWidth = layout.columns * layout.StepX() + layout.overlap - c.width;
    EXPECT_NEAR(-c.width / 3 - layout.left, spareWidth / 2, 1e-9);
  }
}

// What a page shows on its dashed overlap line, its neighbour shows on its
// frame's edge, so the pages join without a gap or a double strip.
TEST(TileLayout, NeighboursMeetOnTheOverlapLines) {
  const pdf::TileLayout layout = pdf::LayOutTiles(Box(2000, 3000), pdf::Paper::Letter);
  ASSERT_GT(layout.columns, 2);
  ASSERT_GT(layout.rows, 2);
  const double contentRight = layout.contentLeft + layout.contentWidth;
  const double contentTop = layout.contentBottom + layout.contentHeight;
  for (int column = 0; column + 1 < layout.columns; ++column) {
    // The drawing's x on this page's vertical overlap line.
    const double x = contentRight - layout.overlap - layout.PageX(column, 0);
    EXPECT_NEAR(layout.PageX(column + 1, x), layout.contentLeft, 1e-9);
    EXPECT_NEAR(layout.PageX(column + 1, x + layout.overlap), contentRight - layout.StepX(), 1e-9);
  }
  for (int row = 0; row + 1 < layout.rows; ++row) {
    const double y = layout.contentBottom + layout.overlap - layout.PageY(row, 0);
    EXPECT_NEAR(layout.PageY(row + 1, y), contentTop, 1e-9);
  }
  // The first page starts left of and above the drawing, the last ends right
  // of and below it.
  EXPECT_LE(layout.PageX(0, -2000.0 / 3), contentRight);
  EXPECT_GE(layout.PageX(0, -2000.0 / 3), layout.contentLeft);
  EXPECT_LE(layout.PageX(layout.columns - 1, 2000.0 * 2 / 3), contentRight);
  EXPECT_GE(layout.PageY(0, 3000.0 * 3 / 4), layout.contentBottom);
  EXPECT_LE(layout.PageY(0, 3000.0 * 3 / 4), contentTop);
  EXPECT_GE(layout.PageY(layout.rows - 1, -3000.0 / 4), layout.contentBottom);
}

TEST(TileLayout, RefusesMoreThanAThousandPages) {
  const double mm = 72 / 25.4;
  EXPECT_NO_THROW(pdf::LayOutTiles(Box(4000 * mm, 5000 * mm), pdf::Paper::A3));
  for (double size : {10000 * mm, 1e300, std::numeric_limits<double>::infinity()}) {
    EXPECT_THROW(pdf::LayOutTiles(Box(size, size), pdf::Paper::A4), std::length_error) << size;
  }
}

TEST(PageName, NamesColumnsByLettersAndRowsByNumbers) {
  const std::tuple<int, int, const char*> cases[] = {{0, 0, "A1"},   {1, 1, "B2"},   {25, 9, "Z10"},
                                                     {26, 0, "AA1"}, {27, 2, "AB3"}, {51, 0, "AZ1"},
                                                     {52, 0, "BA1"}};
  for (const auto& [column, row, name] : cases) EXPECT_EQ(pdf::PageName(column, row), name);
}

}  // namespace
