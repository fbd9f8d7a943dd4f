// The command-line tool's picture: the same entities as the DXF drawing of
// the same run, at true size, written together with it or not at all.
#include <gtest/gtest.h>
#include <locale.h>

#include <algorithm>
#include <cmath>
#include <numbers>
#include <string>
#include <vector>

#include "run_tool.h"
#include "tool_usage.h"
#include "svg_picture.h"
#include "temp_folder.h"

namespace {

constexpr const char* kBlue = "#0000FF";

// The DXF keeps 10 significant digits; the picture must agree to those.
bool Near(double picture, double drawing) {
  return std::fabs(picture - drawing) <= 1e-9 * std::max(1.0, std::fabs(drawing));
}

// Angles agree when they differ by whole turns only.
bool SameDirection(double a, double b) {
  const double difference = std::remainder(a - b, 360.0);
  return std::fabs(difference) <= 1e-9;
}

struct Site {
  const char* name;
  std::vector<std::string> args;
};

void PrintTo(const Site& site, std::ostream* out) { *out << site.name; }

class SvgOfSite : public ::testing::TestWithParam<Site> {
 protected:
  void SetUp() override {
    std::vector<std::string> args = GetParam().args;
    args.insert(args.end(), {"-o", folder_.File("dial.dxf"), "--svg=" + folder_.File("dial.svg")});
    const ToolRun run = RunTool(args);
    ASSERT_EQ(run.exitCode, 0) << run.err;
    dxfBytes_ = ReadFile(folder_.File("dial.dxf"));
    dxf_ = ReadDxfEntities(dxfBytes_);
    try {
      picture_ = ReadPicture(ReadFile(folder_.File("dial.svg")));
    } catch (const std::exception& error) {
      FAIL() << "the picture is not readable SVG: " << error.what();
    }
  }

  bool InViewBox(double x, double y) const {
    const double* box = picture_.viewBox;
    return x >= box[0] && x <= box[0] + box[2] && y >= box[1] && y <= box[1] + box[3];
  }

  TempFolder folder_;
  std::string dxfBytes_;
  std::vector<DxfEntity> dxf_;
  Picture picture_;
};

TEST_P(SvgOfSite, HoldsEveryDxfLineAtItsPlace) {
  const std::vector<DxfEntity> lines = OfType(dxf_, "LINE");
  ASSERT_EQ(picture_.lines.size(), lines.size());
  for (std::size_t i = 0; i < lines.size(); ++i) {
    const PictureLine& p = picture_.lines[i];
    const DxfEntity& d = lines[i];
    EXPECT_TRUE(Near(p.x1, d.Number(10)) && Near(p.y1, -d.Number(20)) && Near(p.x2, d.Number(11)) &&
                Near(p.y2, -d.Number(21)))
        << "line " << i << ": (" << p.x1 << ", " << p.y1 << ") to (" << p.x2 << ", " << p.y2 << ")";
  }
}

TEST_P(SvgOfSite, HoldsTheDxfArcCounterClockwise) {
  const std::vector<DxfEntity> arcs = OfType(dxf_, "ARC");
  ASSERT_EQ(picture_.arcs.size(), arcs.size());
  for (std::size_t i = 0; i < arcs.size(); ++i) {
    const DxfEntity& d = arcs[i];
    const double cx = d.Number(10), cy = d.Number(20), r = d.Number(40);
    const double start = d.Number(50) * std::numbers::pi / 180;
    const double end = d.Number(51) * std::numbers::pi / 180;
    const PictureArc& p = picture_.arcs[i];
    EXPECT_TRUE(Near(p.startX, cx + r * std::cos(start)) &&
                Near(p.startY, -(cy + r * std::sin(start))));
    ASSERT_EQ(p.segments.size(), 1u);
    const PictureArcSegment& s = p.segments[0];
    EXPECT_TRUE(Near(s.radiusX, r) && Near(s.radiusY, r));
    // Counter-clockwise on paper is the negative sense once y points down.
    EXPECT_FALSE(s.positiveSweep);
    EXPECT_TRUE(Near(s.x, cx + r * std::cos(end)) && Near(s.y, -(cy + r * std::sin(end))));
  }
}

TEST_P(SvgOfSite, HoldsEveryDxfTextUprightAtItsPlace) {
  const std::vector<DxfEntity> texts = OfType(dxf_, "TEXT");
  ASSERT_EQ(picture_.texts.size(), texts.size());
  for (std::size_t i = 0; i < texts.size(); ++i) {
    const PictureText& p = picture_.texts[i];
    const DxfEntity& d = texts[i];
    EXPECT_EQ(p.text, d.groups.at(1));
    EXPECT_TRUE(Near(p.x, d.Number(10)) && Near(p.y, -d.Number(20)))
        << p.text << " at (" << p.x << ", " << p.y << ")";
    EXPECT_TRUE(SameDirection(p.rotation, -d.Number(50))) << p.text << " turned " << p.rotation;
    EXPECT_NEAR(p.height, 0.075, 1e-12) << p.text;
    EXPECT_FALSE(p.mirrored) << p.text;
    EXPECT_EQ(ValueOf(p.style, "text-anchor"), "middle") << p.text;
    EXPECT_EQ(p.style.count("dominant-baseline") + p.style.count("alignment-baseline"), 0u);
    EXPECT_EQ(ValueOf(p.style, "font-family"), "sans-serif");
    EXPECT_EQ(ValueOf(p.style, "fill"), kBlue);
  }
}

TEST_P(SvgOfSite, DrawsEveryStrokeInBlue) {
  for (const XmlAttributes& style : picture_.strokeStyles) {
    EXPECT_EQ(ValueOf(style, "stroke"), kBlue);
    EXPECT_EQ(ValueOf(style, "fill"), "none");
  }
}

TEST_P(SvgOfSite, ViewBoxHoldsEveryEntity) {
  for (const PictureLine& line : picture_.lines) {
    EXPECT_TRUE(InViewBox(line.x1, line.y1) && InViewBox(line.x2, line.y2));
  }
  // The whole arc, from the DXF's own angles, not only its end points.
  for (const DxfEntity& arc : OfType(dxf_, "ARC")) {
    const double cx = arc.Number(10), cy = arc.Number(20), r = arc.Number(40);
    const double sweep = std::fmod(arc.Number(51) - arc.Number(50) + 360, 360.0);
    for (double step = 0; step <= sweep; step += 1) {
      const double a = (arc.Number(50) + step) * std::numbers::pi / 180;
      EXPECT_TRUE(InViewBox(cx + r * std::cos(a), -(cy + r * std::sin(a))));
    }
  }
  // A modest outline of each text: half an em per character wide, from
  // 0.2 em below its baseline to 0.7 em above it.
  for (const PictureText& text : picture_.texts) {
    const double half = 0.25 * text.height * static_cast<double>(text.text.size());
    const double turn = text.rotation * std::numbers::pi / 180;
    for (double along : {-half, half}) {
      for (double up : {-0.7 * text.height, 0.2 * text.height}) {  // y points down
        EXPECT_TRUE(InViewBox(text.x + along * std::cos(turn) - up * std::sin(turn),
                              text.y + along * std::sin(turn) + up * std::cos(turn)))
            << text.text;
      }
    }
  }
}

TEST_P(SvgOfSite, LeavesTheDxfAsWithoutIt) {
  std::vector<std::string> args = GetParam().args;
  args.insert(args.end(), {"-o", folder_.File("alone.dxf")});
  ASSERT_EQ(RunTool(args).exitCode, 0);
  EXPECT_EQ(ReadFile(folder_.File("alone.dxf")), dxfBytes_);
}

INSTANTIATE_TEST_SUITE_P(
    Sites, SvgOfSite,
    ::testing::Values(Site{"North", {}},
                      Site{"South",
                           {"--lat-deg=-33", "--lat-min=55", "--long-deg=-18", "--zone=2"}},
                      // The gnomon's arc has no sweep at all.
                      Site{"Equator", {"--lat-deg=0", "--lat-min=0", "--lat-sec=0"}},
                      // No night window: all 24 hour lines.
                      Site{"FarSouth",
                           {"--lat-deg=-70", "--lat-min=32", "--long-deg=30", "--zone=-2", "--dst"}}),
    [](const ::testing::TestParamInfo<Site>& info) { return std::string(info.param.name); });

struct SizeCase {
  std::vector<std::string> args;
  double length;
  const char* unit;
};

TEST(SvgSize, PrintsOneDrawingUnitAtTheGnomonLength) {
  const SizeCase cases[] = {{{}, 100, "mm"},
                            {{"--gnomon-length=100mm"}, 100, "mm"},
                            {{"--gnomon-length=12.5cm"}, 12.5, "cm"},
                            {{"--gnomon-length=2.5in"}, 2.5, "in"},
                            {{"--gnomon-length=0.75in"}, 0.75, "in"}};
  for (const SizeCase& c : cases) {
    TempFolder folder;
    std::vector<std::string> args = c.args;
    args.push_back("--svg=" + folder.File("dial.svg"));
    ASSERT_EQ(RunTool(args).exitCode, 0);
    const Picture picture = ReadPicture(ReadFile(folder.File("dial.svg")));
    for (auto [size, extent] : {std::pair{picture.width, picture.viewBox[2]},
                                std::pair{picture.height, picture.viewBox[3]}}) {
      const std::size_t unitAt = size.size() - 2;
      EXPECT_EQ(size.substr(unitAt), c.unit) << size;
      EXPECT_NEAR(ParseNumber(size.substr(0, unitAt)), extent * c.length, 1e-9 * extent * c.length)
          << size;
    }
  }
}

TEST(SvgOnly, WritesThePictureAndNoDrawing) {
  TempFolder folder;
  const ToolRun run = RunTool({"--svg=" + folder.File("alone.svg")});
  ASSERT_EQ(run.exitCode, 0) << run.err;
  EXPECT_EQ(folder.EntryCount(), 1u);
  ASSERT_EQ(RunTool({"-o", folder.File("dial.dxf"), "--svg=" + folder.File("both.svg")}).exitCode,
            0);
  EXPECT_EQ(ReadFile(folder.File("alone.svg")), ReadFile(folder.File("both.svg")));
}

TEST(SvgLocale, NumbersKeepTheirPointInACommaLocale) {
  locale_t german = ::newlocale(LC_ALL_MASK, "de_DE.UTF-8", nullptr);
  if (german == nullptr) GTEST_SKIP() << "de_DE.UTF-8 missing";
  ::freelocale(german);
  TempFolder folder;
  ASSERT_EQ(RunTool({"--lat=51:32:0.0", "--svg=" + folder.File("c.svg")}).exitCode, 0);
  ASSERT_EQ(RunTool({"--lat=51:32:0.0", "--svg=" + folder.File("de.svg")}, "de_DE.UTF-8").exitCode,
            0);
  EXPECT_EQ(ReadFile(folder.File("de.svg")), ReadFile(folder.File("c.svg")));
}

TEST(SvgUsage, RefusesBadOptionsAndWritesNothing) {
  const char* badLength = "--gnomon-length takes a positive number and a unit mm, cm or in";
  const char* badRange = "--gnomon-length must be from 0.001mm to 1000000mm (1 km)";
  const UsageCase cases[] = {
      {{"--gnomon-length=100"}, badLength},     {{"--gnomon-length=mm"}, badLength},
      {{"--gnomon-length=0mm"}, badLength},     {{"--gnomon-length=-5mm"}, badLength},
      {{"--gnomon-length=+5mm"}, badLength},    {{"--gnomon-length=abcmm"}, badLength},
      {{"--gnomon-length=nanmm"}, badLength},   {{"--gnomon-length=infmm"}, badLength},
      {{"--gnomon-length=1e400mm"}, badLength}, {{"--gnomon-length=100km"}, badLength},
      {{"--gnomon-length=100 mm"}, badLength},  {{"--gnomon-length=100MM"}, badLength},
      {{"--gnomon-length=100,5mm"}, badLength}, {{"--gnomon-length="}, badLength},
      {{"--gnomon-length=1e308mm"}, badRange},  {{"--gnomon-length=1e-300mm"}, badRange},
      {{"--gnomon-length=0.0009mm"}, badRange}, {{"--gnomon-length=39371in"}, badRange},
  };
  for (const UsageCase& c : cases) {
    TempFolder folder;
    std::vector<std::string> args = c.args;
    args.insert(args.end(), {"-o", folder.File("dial.dxf"), "--svg=" + folder.File("dial.svg")});
    const ToolRun run = RunTool(args);
    EXPECT_EQ(run.exitCode, 2) << c.args.front();
    EXPECT_EQ(run.err.rfind(std::string("ziradadozo-rezudor-dxf: ") + c.message, 0), 0u) << run.err;
    EXPECT_NE(run.err.find("\nTry 'ziradadozo-rezudor-dxf --help'"), std::string::npos);
    EXPECT_EQ(folder.EntryCount(), 0u) << c.args.front();
  }
}

TEST(SvgUsage, NeedsOneDistinctOutput) {
  const std::vector<UsageCase> cases = {
      {{}, "missing -o FILE, --svg=FILE or --pdf=FILE"},
      {{"--gnomon-length=100mm"}, "missing -o FILE, --svg=FILE or --pdf=FILE"},
      {{"--svg="}, "--svg needs a file name"},
      {{"-o", "", "--svg=@/dial.svg"}, "-o needs a file name"},
      {{"-o", "-", "--svg=-"}, "-o and --svg cannot both be standard output"},
      {{"-o", "zrd-dial", "--svg=./zrd-dial"}, "-o and --svg name the same file"},
      {{"-o", "@/dial", "--svg=@/dial"}, "-o and --svg name the same file"},
      {{"-o", "@/dial", "--svg=@/./dial"}, "-o and --svg name the same file"},
  };
  ExpectUsageErrorsInFolder(cases);
}

struct FailureCase {
  std::vector<std::string> args;
  const char* status;
};

// A rejected or failed run replaces neither file, leaves one that exists as
// it was and leaves nothing else behind.
TEST(SvgFailure, WritesNeitherFile) {
  const FailureCase cases[] = {
      {{"--lat-deg=90", "-o", "@/dial.dxf", "--svg=@/dial.svg"},
       "Latitude must be +89.999 to -89.999 degrees"},
      {{"--long-deg=181", "-o", "@/dial.dxf", "--svg=@/dial.svg"},
       "Longitude must be +180 to -180 degrees"},
      {{"--lat-deg=90", "--svg=@/dial.svg"}, "Latitude must be +89.999 to -89.999 degrees"},
      {{"--lat-min=x", "-o", "@/dial.dxf", "--svg=@/dial.svg"}, "--lat-min: \"x\" is not a number"},
      {{"-o", "@/dial.dxf", "--svg=@/missing/dial.svg"},
       "@/missing/dial.svg: No such file or directory"},
      {{"-o", "@/missing/dial.dxf", "--svg=@/dial.svg"},
       "@/missing/dial.dxf: No such file or directory"},
      {{"--svg=@/missing/dial.svg"}, "@/missing/dial.svg: No such file or directory"},
  };
  for (const FailureCase& c : cases) {
    for (bool filesExist : {false, true}) {
      TempFolder folder;
      if (filesExist) {
        WriteFile(folder.File("dial.dxf"), "old drawing");
        WriteFile(folder.File("dial.svg"), "old picture");
      }
      const ToolRun run = RunTool(InFolder(c.args, folder));
      EXPECT_EQ(run.exitCode, 1) << c.status;
      EXPECT_EQ(run.err, "ziradadozo-rezudor-dxf: " + InFolder({c.status}, folder)[0] + "\n");
      EXPECT_EQ(folder.EntryCount(), filesExist ? 2u : 0u) << c.status;
      if (filesExist) {
        EXPECT_EQ(ReadFile(folder.File("dial.dxf")), "old drawing") << c.status;
        EXPECT_EQ(ReadFile(folder.File("dial.svg")), "old picture") << c.status;
      }
    }
  }
}

}  // namespace
