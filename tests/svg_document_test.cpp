#include "svg/svg_document.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <numbers>
#include <stdexcept>
#include <string>
#include <utility>
#include <vector>

#include "svg_picture.h"

namespace {

using DrawingPoint = std::pair<double, double>;

struct ArcCase {
  const char* name;
  double start;
  double end;
  // The large-arc flag of each SVG arc segment.
  std::string largeArcFlags;
  // Points of the circle, in drawing units, that the arc passes and the
  // view box must hold although they are no end points.
  std::vector<DrawingPoint> passes;
};

DrawingPoint OnUnitCircle(double degrees) {
  const double radians = degrees * std::numbers::pi / 180;
  return {std::cos(radians), std::sin(radians)};
}

TEST(SvgDocument, DrawsArcsCounterClockwiseWithTheirWholeExtent) {
  const ArcCase cases[] = {
      {"quarter", 0, 90, "0", {}},
      {"half over the top", 0, 180, "0", {{0, 1}}},
      {"three quarters", 90, 0, "1", {{-1, 0}, {0, -1}}},
      {"through zero", 350, 10, "0", {{1, 0}}},
      {"no sweep", 0, 0, "0", {}},
      {"full turn", 0, 360, "00", {{-1, 0}, {0, 1}, {0, -1}}},
  };
  for (const ArcCase& c : cases) {
    svg::SvgDocument document(drawing::PrintLength{});
    document.AddArc(0, 0, 1, c.start, c.end);
    const Picture picture = ReadPicture(document.Bytes());
    ASSERT_EQ(picture.arcs.size(), 1u) << c.name;
    const PictureArc& arc = picture.arcs[0];
    const auto [startX, startY] = OnUnitCircle(c.start);
    EXPECT_NEAR(arc.startX, startX, 1e-10) << c.name;
    EXPECT_NEAR(arc.startY, -startY, 1e-10) << c.name;
    ASSERT_EQ(arc.segments.size(), c.largeArcFlags.size()) << c.name;
    for (std::size_t i = 0; i < arc.segments.size(); ++i) {
      EXPECT_EQ(arc.segments[i].largeArc, c.largeArcFlags[i] == '1') << c.name;
      EXPECT_FALSE(arc.segments[i].positiveSweep) << c.name;
      EXPECT_EQ(arc.segments[i].radiusX, 1) << c.name;
    }
    const auto [endX, endY] = OnUnitCircle(c.end);
    EXPECT_NEAR(arc.segments.back().x, endX, 1e-10) << c.name;
    EXPECT_NEAR(arc.segments.back().y, -endY, 1e-10) << c.name;
    const double* box = picture.viewBox;
    for (auto [x, y] : c.passes) {
      EXPECT_TRUE(x >= box[0] && x <= box[0] + box[2] && -y >= box[1] && -y <= box[1] + box[3])
          << c.name << " misses (" << x << ", " << y << ")";
    }
  }
}

TEST(SvgDocument, KeepsTextsThatLookLikeMarkup) {
  const std::string text = "<b>5 & 6</b> 51'32'0.00\"";
  svg::SvgDocument document(drawing::PrintLength{});
  document.AddText(text, 0, 1, 1);
  const Picture picture = ReadPicture(document.Bytes());
  ASSERT_EQ(picture.texts.size(), 1u);
  EXPECT_EQ(picture.texts[0].text, text);
}

TEST(SvgDocument, RefusesNumbersNoReaderAccepts) {
  const double nan = std::numeric_limits<double>::quiet_NaN();
  const double infinity = std::numeric_limits<double>::infinity();
  svg::SvgDocument document(drawing::PrintLength{});
  EXPECT_THROW(document.AddLine(0, nan, 1, 1), std::domain_error);
  EXPECT_THROW(document.AddArc(0, 0, infinity, 0, 90), std::domain_error);
  EXPECT_THROW(document.AddText("12", 0, -infinity, 0), std::domain_error);
}

}  // namespace
