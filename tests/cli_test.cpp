#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "design/design_run.h"
#include "dxf/dxf_writer.h"
#include "run_tool.h"
#include "temp_folder.h"

namespace {

using design::DialZone;

class NoStatus : public design::StatusLine {
 public:
  void ShowStatus(const std::string&, bool) override {}
};

class Tool : public ::testing::Test {
 protected:
  // The drawing that the core writes for these inputs, to compare with.
  std::string CoreDrawing(const design::DesignInputs& inputs) {
    NoStatus status;
    dxf::DxfWriter drawing;
    design::RunDesign(inputs, ".", status, {{&drawing, folder.File("core.dxf")}});
    return ReadFile(folder.File("core.dxf"));
  }

  TempFolder folder;
  std::string output = folder.File("tool.dxf");
};

TEST_F(Tool, WritesTheDefaultSiteSilently) {
  const ToolRun run = RunTool({"-o", output});
  EXPECT_EQ(run.exitCode, 0);
  EXPECT_EQ(run.out, "");
  EXPECT_EQ(run.err, "");
  EXPECT_EQ(ReadFile(output), ReadFile(ZRD_TEST_DATA "/default-site.dxf"));
}

TEST_F(Tool, MapsEveryOptionOntoTheWindowsInputs) {
  struct Case {
    std::vector<std::string> args;
    design::DesignInputs inputs;
  };
  const Case cases[] = {
      {{"--zone=-5", "--dst", "--long-deg=77", "--long-min=2", "--lat-deg=38", "--lat-min=53"},
       {{"77", "2", "0"}, {"38", "53", "0.0"}, DialZone::Gmt(-5, true)}},
      {{"--zone=LAT", "--long-deg=-151", "--long-min=12", "--lat-deg=-33", "--lat-min=52"},
       {{"-151", "12", "0"}, {"-33", "52", "0.0"}, DialZone::LocalApparentTime()}},
      {{"--zone=none", "--dst"}, {{"0", "0", "0"}, {"51", "32", "0.0"}, DialZone::NotChosen(true)}},
      {{"--zone=-12"}, {{"0", "0", "0"}, {"51", "32", "0.0"}, DialZone::Gmt(-12)}},
      {{"--zone=+13", "--long-sec=30", "--lat-sec=15.5"},
       {{"0", "0", "30"}, {"51", "32", "15.5"}, DialZone::Gmt(13)}},
  };
  for (const Case& c : cases) {
    std::vector<std::string> args = c.args;
    args.insert(args.end(), {"-o", output});
    ASSERT_EQ(RunTool(args).exitCode, 0) << args[0];
    EXPECT_EQ(ReadFile(output), CoreDrawing(c.inputs)) << args[0];
  }
}

TEST_F(Tool, ExplainsAUsageErrorInOneLineAndTheUsage) {
  const std::vector<std::string> cases[] = {
      {"--bogus", "-o", output}, {"--zone=14", "-o", output}, {"--zone=-13", "-o", output},
      {"--zone=1.5", "-o", output}, {"--zone=", "-o", output}, {"--zone=lat", "-o", output},
      {"--lat-deg"}, {"-o"}, {}};
  for (const std::vector<std::string>& args : cases) {
    const ToolRun run = RunTool(args);
    EXPECT_EQ(run.exitCode, 2) << (args.empty() ? "" : args[0]);
    EXPECT_EQ(run.err.rfind("ziradadozo-rezudor-dxf: ", 0), 0u) << run.err;
    EXPECT_NE(run.err.find("\nusage: "), std::string::npos) << run.err;
    EXPECT_EQ(run.out, "");
  }
  EXPECT_EQ(folder.EntryCount(), 0u);
}

TEST_F(Tool, PrintsTheUsageOnRequest) {
  const ToolRun run = RunTool({"--help"});
  EXPECT_EQ(run.exitCode, 0);
  EXPECT_EQ(run.out.rfind("usage: ziradadozo-rezudor-dxf", 0), 0u);
  EXPECT_EQ(run.err, "");
}

TEST_F(Tool, ReportsARejectedOrFailedRunOnStandardError) {
  WriteFile(output, "old");
  struct Case {
    std::vector<std::string> args;
    const char* status;
  };
  const Case cases[] = {
      {{"--lat-deg=90", "--long-deg=181"}, "Latitude must be +89.999 to -89.999 degrees\n"},
      {{"--long-deg=-180", "--long-sec=1"}, "Longitude must be +180 to -180 degrees\n"},
      {{"--lat-min="}, "An error ocurred - sorry!\n"},
  };
  for (const Case& c : cases) {
    std::vector<std::string> args = c.args;
    args.insert(args.end(), {"-o", output});
    const ToolRun run = RunTool(args);
    EXPECT_EQ(run.exitCode, 1);
    EXPECT_EQ(run.err, c.status);
    EXPECT_EQ(ReadFile(output), "old");
  }
  EXPECT_EQ(RunTool({"-o", folder.File("missing/dial.dxf")}).err, "An error ocurred - sorry!\n");
}

TEST_F(Tool, EchoesEachStatusWhenVerbose) {
  EXPECT_EQ(RunTool({"-v", "-o", output}).out, "Starting Calculations\nSaving DXF File\nFinished\n");
  EXPECT_EQ(RunTool({"-v", "--lat-deg=-90", "-o", output}).out,
            "Starting Calculations\nLatitude must be +89.999 to -89.999 degrees\n");
}

TEST_F(Tool, ReadsTheUsersDecimalSeparator) {
  if (RunTool({"--lat-sec=0,0", "-o", output}, "de_DE.UTF-8").exitCode != 0) {
    GTEST_SKIP() << "de_DE.UTF-8 missing";
  }
  EXPECT_EQ(ReadFile(output), ReadFile(ZRD_TEST_DATA "/default-site.dxf"));
  EXPECT_EQ(RunTool({"-o", output}, "de_DE.UTF-8").err, "An error ocurred - sorry!\n");
}

}  // namespace
