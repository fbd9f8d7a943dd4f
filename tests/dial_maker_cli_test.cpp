// The tool's options for dial makers: what each adds to the DXF drawing and
// the picture, and that without them nothing changes.
#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "run_tool.h"
#include "svg_picture.h"
#include "temp_folder.h"

namespace {

const std::string kGolden = ZRD_TEST_DATA "/default-site.dxf";

// The lines of a DXF file, without their CR LF.
std::vector<std::string> DxfLines(const std::string& bytes) {
  std::vector<std::string> lines;
  for (std::size_t start = 0, end; (end = bytes.find("\r\n", start)) != std::string::npos;
       start = end + 2) {
    lines.push_back(bytes.substr(start, end - start));
  }
  return lines;
}

// The file with every entity on layer `layer` taken out, and those entities.
struct Split {
  std::string rest;
  std::vector<std::vector<std::string>> taken;
};

Split TakeLayer(const std::string& bytes, const std::string& layer) {
  const std::vector<std::string> lines = DxfLines(bytes);
  Split split;
  for (std::size_t i = 0; i < lines.size();) {
    std::size_t next = i + 2;
    while (next < lines.size() && lines[next] != " 0") next += 2;
    const std::vector<std::string> record(lines.begin() + i, lines.begin() + next);
    if (record.size() > 3 && record[2] == " 8" && record[3] == layer) {
      split.taken.push_back(record);
    } else {
      for (const std::string& line : record) split.rest += line + "\r\n";
    }
    i = next;
  }
  return split;
}

class DialMaker : public ::testing::Test {
 protected:
  ToolRun Run(std::vector<std::string> args) {
    args.insert(args.end(), {"-o", dxf});
    return RunTool(args);
  }

  TempFolder folder;
  std::string dxf = folder.File("dial.dxf");
};

TEST_F(DialMaker, PutsSubHourLinesOnTheirOwnLayerAndChangesNothingElse) {
  struct Case {
    const char* step;
    // Every time from 3 to 21 o'clock, the default site's hours of daylight.
    std::size_t lines;
  };
  for (const Case& c : {Case{"30", 18}, Case{"15", 54}, Case{"5", 198}}) {
    const ToolRun run = Run({std::string("--minutes=") + c.step});
    ASSERT_EQ(run.exitCode, 0) << run.err;
    const Split split = TakeLayer(ReadFile(dxf), "MINUTES");
    EXPECT_EQ(split.rest, ReadFile(kGolden)) << c.step;
    EXPECT_EQ(split.taken.size(), c.lines) << c.step;
    for (const std::vector<std::string>& record : split.taken) {
      ASSERT_EQ(record.size(), 14u);
      EXPECT_EQ(record[1], "LINE");
      EXPECT_EQ(record[4], "62");
      EXPECT_EQ(record[5], "5");
    }
  }
}

TEST_F(DialMaker, AddsTheCorrectionTableBesideTheAngleTable) {
  ASSERT_EQ(Run({"--eot-table"}).exitCode, 0);
  const std::vector<DxfEntity> entities = ReadDxfEntities(ReadFile(dxf));
  const std::vector<DxfEntity> golden = ReadDxfEntities(ReadFile(kGolden));
  ASSERT_EQ(entities.size(), golden.size() + 1 + 48);
  const DxfEntity& heading = entities[golden.size()];
  EXPECT_EQ(heading.groups.at(1), "Add to dial time");
  EXPECT_EQ(entities[golden.size() + 7].groups.at(1), "Feb 15");
  EXPECT_EQ(entities[golden.size() + 8].groups.at(1), "+14 min 7 s");
  // The drawing up to the table is the drawing without it.
  const std::string bytes = ReadFile(dxf);
  const std::string goldenBytes = ReadFile(kGolden);
  const std::size_t footer = goldenBytes.size() - std::string(" 0\r\nENDSEC\r\n 0\r\nEOF\r\n").size();
  EXPECT_EQ(bytes.substr(0, footer), goldenBytes.substr(0, footer));
}

TEST_F(DialMaker, LeavesTheTableOutOnLocalApparentTimeAndSaysWhy) {
  const ToolRun plain = Run({"--zone=LAT"});
  const std::string without = ReadFile(dxf);
  const ToolRun run = Run({"--zone=LAT", "--eot-table"});
  EXPECT_EQ(run.exitCode, 0);
  EXPECT_EQ(ReadFile(dxf), without);
  EXPECT_EQ(run.err.rfind("ziradadozo-rezudor-dxf: no equation-of-time table: a dial on local "
                          "apparent time",
                          0),
            0u)
      << run.err;
  EXPECT_EQ(run.out, "");

  const ToolRun csv = RunTool({"--zone=LAT", "--eot-csv"});
  EXPECT_EQ(csv.exitCode, 1);
  EXPECT_EQ(csv.out, "");
  EXPECT_EQ(csv.err, run.err);
}

TEST_F(DialMaker, PrintsTheTableAsCsvWithOrWithoutADrawing) {
  const ToolRun alone = RunTool({"--eot-csv"});
  ASSERT_EQ(alone.exitCode, 0) << alone.err;
  EXPECT_EQ(alone.err, "");
  EXPECT_EQ(alone.out.rfind("month,day,add_seconds\n1,1,", 0), 0u) << alone.out;
  EXPECT_NE(alone.out.find("\n2,15,847\n"), std::string::npos);
  EXPECT_NE(alone.out.find("\n11,1,-988\n"), std::string::npos);
  EXPECT_EQ(alone.out.substr(alone.out.size() - 1), "\n");
  EXPECT_EQ(std::count(alone.out.begin(), alone.out.end(), '\n'), 25);

  const ToolRun both = Run({"--eot-csv", "--eot-table"});
  EXPECT_EQ(both.exitCode, 0);
  EXPECT_EQ(both.out, alone.out);
  EXPECT_EQ(folder.EntryCount(), 1u);
  // A rejected run prints no table.
  const ToolRun rejected = Run({"--eot-csv", "--lat-deg=95"});
  EXPECT_EQ(rejected.exitCode, 1);
  EXPECT_EQ(rejected.out, "");
}

TEST_F(DialMaker, MeasuresTheThicknessAgainstTheGnomonLength) {
  // A given gnomon length also draws the DXF at that size.
  ASSERT_EQ(Run({"--style-thickness=0.02", "--gnomon-length=15cm"}).exitCode, 0);
  const std::string atFifteenCentimetres = ReadFile(dxf);
  ASSERT_EQ(Run({"--style-thickness=3mm", "--gnomon-length=15cm"}).exitCode, 0);
  EXPECT_EQ(ReadFile(dxf), atFifteenCentimetres);
  ASSERT_EQ(Run({"--style-thickness=0.02"}).exitCode, 0);
  const std::string inDrawingUnits = ReadFile(dxf);
  ASSERT_EQ(Run({"--style-thickness=2mm"}).exitCode, 0);  // against 100mm
  EXPECT_EQ(ReadFile(dxf), inDrawingUnits);
  EXPECT_NE(inDrawingUnits, ReadFile(kGolden));
  // The split noon: a line under each face.
  EXPECT_NE(inDrawingUnits.find("10\r\n-0.0100000000\r\n20\r\n0.0000000000\r\n11\r\n-0.0100000000"),
            std::string::npos);
}

TEST_F(DialMaker, RefusesValuesItCannotTake) {
  const char* badMinutes = "--minutes takes 30, 20, 15, 10 or 5";
  const char* badThickness = "--style-thickness takes a positive number";
  const char* tooThick = "--style-thickness must be more than 0 and less than the plate's width";
  struct Case {
    std::vector<std::string> args;
    const char* message;
  };
  const Case cases[] = {
      {{"--minutes=7"}, badMinutes},
      {{"--minutes=60"}, badMinutes},
      {{"--minutes="}, badMinutes},
      {{"--minutes=30.0"}, badMinutes},
      {{"--style-thickness=0"}, badThickness},
      {{"--style-thickness=-1mm"}, badThickness},
      {{"--style-thickness=3km"}, badThickness},
      {{"--style-thickness=nan"}, badThickness},
      {{"--style-thickness=1"}, tooThick},
      {{"--style-thickness=10cm"}, tooThick},
      {{"--style-thickness=1e-400"}, badThickness},
  };
  for (const Case& c : cases) {
    const ToolRun run = Run(c.args);
    EXPECT_EQ(run.exitCode, 2) << c.args[0];
    EXPECT_EQ(run.err.rfind(std::string("ziradadozo-rezudor-dxf: ") + c.message, 0), 0u) << run.err;
    EXPECT_EQ(run.out, "");
    EXPECT_EQ(folder.EntryCount(), 0u) << c.args[0];
  }
  const ToolRun toStandardOutput = RunTool({"--eot-csv", "-o", "-"});
  EXPECT_EQ(toStandardOutput.exitCode, 2);
  EXPECT_EQ(toStandardOutput.err.rfind(
                "ziradadozo-rezudor-dxf: --eot-csv and a FILE of - both write to standard output", 0),
            0u)
      << toStandardOutput.err;
}

// The picture holds the sub-hour lines in a group of their own with a
// thinner stroke, in the order the drawing holds them.
TEST_F(DialMaker, DrawsSubHourLinesThinnerInThePicture) {
  const std::string svg = folder.File("dial.svg");
  ASSERT_EQ(Run({"--minutes=15", "--style-thickness=0.05", "--svg=" + svg}).exitCode, 0);
  const Picture picture = ReadPicture(ReadFile(svg));
  std::vector<DxfEntity> dialLines, minuteLines;
  for (const DxfEntity& e : OfType(ReadDxfEntities(ReadFile(dxf)), "LINE")) {
    (e.groups.at(8) == "MINUTES" ? minuteLines : dialLines).push_back(e);
  }
  ASSERT_EQ(picture.lines.size(), dialLines.size() + minuteLines.size());
  for (std::size_t i = 0; i < picture.lines.size(); ++i) {
    const bool minute = i >= dialLines.size();
    const DxfEntity& d = minute ? minuteLines[i - dialLines.size()] : dialLines[i];
    const PictureLine& p = picture.lines[i];
    EXPECT_NEAR(p.x1, d.Number(10), 1e-9) << i;
    EXPECT_NEAR(p.y1, -d.Number(20), 1e-9) << i;
    EXPECT_NEAR(p.x2, d.Number(11), 1e-9) << i;
    EXPECT_NEAR(p.y2, -d.Number(21), 1e-9) << i;
  }
  // Every stroke but the sub-hour lines, the arc among them, is drawn at
  // the width of the first; the sub-hour lines, last, thinner.
  ASSERT_FALSE(minuteLines.empty());
  const double dialWidth = ParseNumber(ValueOf(picture.strokeStyles.front(), "stroke-width"));
  const std::size_t firstMinute = picture.strokeStyles.size() - minuteLines.size();
  for (std::size_t i = 0; i < picture.strokeStyles.size(); ++i) {
    const double width = ParseNumber(ValueOf(picture.strokeStyles[i], "stroke-width"));
    if (i < firstMinute) {
      EXPECT_EQ(width, dialWidth) << i;
    } else {
      EXPECT_LT(width, dialWidth * 0.75) << i;
    }
  }
}

}  // namespace
