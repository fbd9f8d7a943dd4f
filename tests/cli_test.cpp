#include <gtest/gtest.h>
#include <locale.h>
#include <unistd.h>

#include <filesystem>
#include <string>
#include <vector>

#include "cli/version.h"
#include "design/design_run.h"
#include "dxf/dxf_writer.h"
#include "run_tool.h"
#include "temp_folder.h"

namespace {

using design::DialZone;

const std::string kPrefix = "ziradadozo-rezudor-dxf: ";
const std::string kTryHelp = "Try 'ziradadozo-rezudor-dxf --help' for more information.\n";

class NoStatus : public design::StatusLine {
 public:
  void ShowStatus(const std::string&, bool) override {}
};

bool HaveLocale(const char* name) {
  locale_t locale = ::newlocale(LC_ALL_MASK, name, nullptr);
  if (locale == nullptr) return false;
  ::freelocale(locale);
  return true;
}

class Tool : public ::testing::Test {
 protected:
  // The drawing that the core writes for these inputs, to compare with.
  std::string CoreDrawing(const design::DesignInputs& inputs, std::string_view separator = ".") {
    NoStatus status;
    dxf::DxfWriter drawing;
    design::RunDesign(inputs, separator, status, {{&drawing, folder.File("core.dxf")}});
    return ReadFile(folder.File("core.dxf"));
  }

  // `args` with every "@" standing for the output file.
  std::vector<std::string> WithOutput(std::vector<std::string> args) const {
    for (std::string& arg : args) {
      const std::size_t at = arg.find('@');
      if (at != std::string::npos) arg.replace(at, 1, output);
    }
    return args;
  }

  TempFolder folder;
  std::string output = folder.File("tool.dxf");
  std::string defaultSite = ReadFile(ZRD_TEST_DATA "/default-site.dxf");
};

TEST_F(Tool, WritesTheDefaultSiteSilently) {
  const ToolRun run = RunTool({"-o", output});
  EXPECT_EQ(run.exitCode, 0);
  EXPECT_EQ(run.out, "");
  EXPECT_EQ(run.err, "");
  EXPECT_EQ(ReadFile(output), defaultSite);
}

// Every spelling of an option, and the coordinate defaults: a coordinate
// not given is the window's first one, the parts left out of a given one
// are 0.
TEST_F(Tool, MapsEveryOptionOntoTheWindowsInputs) {
  struct Case {
    std::vector<std::string> args;
    design::DesignInputs inputs;
  };
  const design::DesignInputs washington{
      {"77", "2", "0"}, {"38", "53", "0"}, DialZone::Gmt(-5, true)};
  const Case cases[] = {
      {{"--zone=-5", "--dst", "--long-deg=77", "--long-min=2", "--lat-deg=38", "--lat-min=53", "-o",
        "@"},
       washington},
      {{"--zone", "-5", "--dst", "--long", "77:2:0", "--lat", "38:53", "-o@"}, washington},
      {{"--lat=38.883333333333333", "--long=77.033333333333333", "--zone=-5", "--dst", "-o", "@",
        "--"},
       {{"77.033333333333333", "0", "0"},
        {"38.883333333333333", "0", "0"},
        DialZone::Gmt(-5, true)}},
      {{"--zone=LAT", "--long=-151:12", "--lat=-33:52", "-o", "@"},
       {{"-151", "12", "0"}, {"-33", "52", "0"}, DialZone::LocalApparentTime()}},
      {{"--zone=none", "--dst", "--verbose", "-o", "@"},
       {{"0", "0", "0"}, {"51", "32", "0"}, DialZone::NotChosen(true)}},
      {{"--zone=-12", "-o", "@"}, {{"0", "0", "0"}, {"51", "32", "0"}, DialZone::Gmt(-12)}},
      {{"--zone=+13", "--long-sec=30", "--lat-sec=15.5", "-o", "@"},
       {{"0", "0", "30"}, {"0", "0", "15.5"}, DialZone::Gmt(13)}},
      {{"--lat-deg=23", "-o", "@"}, {{"0", "0", "0"}, {"23", "0", "0"}, DialZone::Gmt(0)}},
      {{"--long-min=-30", "-o", "@"}, {{"0", "-30", "0"}, {"51", "32", "0"}, DialZone::Gmt(0)}},
      {{"--lat=-0:30", "-o", "@"}, {{"0", "0", "0"}, {"-0", "30", "0"}, DialZone::Gmt(0)}},
  };
  for (const Case& c : cases) {
    const ToolRun run = RunTool(WithOutput(c.args));
    ASSERT_EQ(run.exitCode, 0) << c.args[0] << run.err;
    EXPECT_EQ(ReadFile(output), CoreDrawing(c.inputs)) << c.args[0];
  }
}

TEST_F(Tool, ExplainsAUsageErrorInOneLineAndAPointerToHelp) {
  struct Case {
    std::vector<std::string> args;
    std::string message;
  };
  const std::string badZone = "--zone takes a GMT offset from -12 to +13, LAT or none, not ";
  // The C1 control that starts a terminal sequence, as UTF-8 writes it.
  const std::string csi = "\xc2\x9b";
  const Case cases[] = {
      {{"--bogus", "-o", "@"}, "unrecognized option '--bogus'"},
      {{"--bogus=x", "-o", "@"}, "unrecognized option '--bogus=x'"},
      {{"--lo=1", "-o", "@"}, "option '--lo' is ambiguous"},
      {{"-x", "-o", "@"}, "invalid option -- 'x'"},
      {{"--dst=yes", "-o", "@"}, "option '--dst' doesn't allow an argument"},
      {{"-o", "@", "--lat-deg"}, "option '--lat-deg' requires an argument"},
      {{"-o"}, "option requires an argument -- 'o'"},
      {{"-o", "@", "extra"}, "unexpected argument 'extra'"},
      {{"-o", "@", "--", "-v"}, "unexpected argument '-v'"},
      {{}, "missing -o FILE, --svg=FILE or --pdf=FILE"},
      {{"-v"}, "missing -o FILE, --svg=FILE or --pdf=FILE"},
      {{"-o", ""}, "-o needs a file name"},
      {{"-o", "-", "--svg=-"}, "-o and --svg cannot both be standard output"},
      {{"--zone=14", "-o", "@"}, badZone + "'14'"},
      {{"--zone=-13", "-o", "@"}, badZone + "'-13'"},
      {{"--zone=1.5", "-o", "@"}, badZone + "'1.5'"},
      {{"--zone=", "-o", "@"}, badZone + "''"},
      {{"--zone=lat", "-o", "@"}, badZone + "'lat'"},
      {{"--zone=+-5", "-o", "@"}, badZone + "'+-5'"},
      {{"--zone=--5", "-o", "@"}, badZone + "'--5'"},
      {{"--zone= 5", "-o", "@"}, badZone + "' 5'"},
      {{"--zone=5\x1b[2J\n", "-o", "@"}, badZone + "'5\\x1b[2J\\n'"},
      {{"--zone=" + csi + "2J\\", "-o", "@"}, badZone + "'\\xc2\\x9b2J\\\\'"},
      {{"--lat=51:32:0:0", "-o", "@"},
       "--lat takes decimal degrees or DEG:MIN:SEC, not '51:32:0:0'"},
      {{"--long=1", "--long-sec=3", "-o", "@"}, "--long cannot be given with --long-sec"},
      {{"--lat-deg=1", "--lat=3", "-o", "@"}, "--lat cannot be given with --lat-deg"},
  };
  for (const Case& c : cases) {
    const ToolRun run = RunTool(WithOutput(c.args));
    EXPECT_EQ(run.exitCode, 2) << c.message;
    EXPECT_EQ(run.err, kPrefix + c.message + "\n" + kTryHelp);
    EXPECT_EQ(run.out, "");
  }
  EXPECT_EQ(folder.EntryCount(), 0u);
}

TEST_F(Tool, PrintsHelpAndVersionOnStandardOutput) {
  for (const char* help : {"--help", "-h"}) {
    const ToolRun run = RunTool({help, "--zone=99"});
    EXPECT_EQ(run.exitCode, 0);
    EXPECT_EQ(run.out.rfind("Usage: ziradadozo-rezudor-dxf [OPTION]...", 0), 0u);
    EXPECT_EQ(run.err, "");
  }
  const ToolRun run = RunTool({"--version"});
  EXPECT_EQ(run.exitCode, 0);
  EXPECT_EQ(run.out.substr(0, run.out.find('\n')), "ziradadozo-rezudor-dxf " ZRD_VERSION);
  EXPECT_EQ(run.err, "");
}

TEST_F(Tool, IsDescribedInTheReadmeAsItPrintsItsHelp) {
  const std::string readme = ReadFile(ZRD_TEST_DATA "/../../README.md");
  const ToolRun run = RunTool({"--help"});
  EXPECT_NE(readme.find("```\n" + run.out + "```\n"), std::string::npos)
      << "README.md should show the usage as --help prints it:\n"
      << run.out;
}

TEST_F(Tool, ReportsWhyARunWasRejectedOrFailed) {
  WriteFile(output, "old");
  struct Case {
    std::vector<std::string> args;
    std::string message;
  };
  const Case cases[] = {
      {{"--lat-deg=90", "--long-deg=181"}, "Latitude must be +89.999 to -89.999 degrees"},
      {{"--long-deg=-180", "--long-sec=1"}, "Longitude must be +180 to -180 degrees"},
      {{"--lat-min="}, "--lat-min: \"\" is not a number"},
      {{"--long-sec=1,5"}, "--long-sec: \"1,5\" is not a number"},
      {{"--lat=51:x:0"}, "--lat: \"51:x:0\" is not a number"},
      {{"--long=\x1b]0;owned\a"}, "--long: \"\\x1b]0;owned\\x07\" is not a number"},
  };
  for (const Case& c : cases) {
    std::vector<std::string> args = c.args;
    args.insert(args.end(), {"-o", output});
    const ToolRun run = RunTool(args);
    EXPECT_EQ(run.exitCode, 1) << c.message;
    EXPECT_EQ(run.err, kPrefix + c.message + "\n");
    EXPECT_EQ(ReadFile(output), "old");
  }
  const std::string missing = folder.File("missing/dial.dxf");
  EXPECT_EQ(RunTool({"-o", missing}).err, kPrefix + missing + ": No such file or directory\n");
}

TEST_F(Tool, UnprivilegedNamesTheFileAndTheSystemsReason) {
  if (::geteuid() == 0) GTEST_SKIP() << "runs again as an unprivileged user";
  const std::string closed = folder.File("closed");
  std::filesystem::create_directory(closed);
  std::filesystem::permissions(
      closed, std::filesystem::perms::owner_read | std::filesystem::perms::owner_exec);
  const ToolRun run = RunTool({"-o", closed + "/dial.dxf"});
  EXPECT_EQ(run.exitCode, 1);
  EXPECT_EQ(run.err, kPrefix + closed + "/dial.dxf: Permission denied\n");
}

TEST_F(Tool, EchoesEachStatusOnStandardErrorWhenVerbose) {
  ToolRun run = RunTool({"-v", "-o", output});
  EXPECT_EQ(run.err, kPrefix + "Starting Calculations\n" + kPrefix + "Saving DXF File\n" + kPrefix +
                         "Finished\n");
  EXPECT_EQ(run.out, "");
  run = RunTool({"-v", "--lat-deg=-90", "-o", "-"});
  EXPECT_EQ(run.err, kPrefix + "Starting Calculations\n" + kPrefix +
                         "Latitude must be +89.999 to -89.999 degrees\n");
  run = RunTool({"-v", "--lat-deg=x", "-o", output});
  EXPECT_EQ(run.err, kPrefix + "Starting Calculations\n" + kPrefix + "An error ocurred - sorry!\n" +
                         kPrefix + "--lat-deg: \"x\" is not a number\n");
  EXPECT_EQ(run.out, "");
}

TEST_F(Tool, WritesADashToStandardOutputOnlyWhenTheRunFinishes) {
  ToolRun run = RunTool({"-v", "-o", "-"});
  EXPECT_EQ(run.exitCode, 0);
  EXPECT_EQ(run.out, defaultSite);
  EXPECT_FALSE(std::filesystem::exists("-"));

  const std::string picture = folder.File("dial.svg");
  ASSERT_EQ(RunTool({"--svg", picture}).exitCode, 0);
  run = RunTool({"--svg=-", "-o", output});
  EXPECT_EQ(run.exitCode, 0);
  EXPECT_EQ(run.out, ReadFile(picture));
  EXPECT_EQ(ReadFile(output), defaultSite);

  run = RunTool({"--lat-deg=x", "-o", "-"});
  EXPECT_EQ(run.exitCode, 1);
  EXPECT_EQ(run.out, "");
}

TEST_F(Tool, FailsWhenStandardOutputCannotBeWritten) {
  if (::access("/dev/full", W_OK) != 0) GTEST_SKIP() << "no /dev/full";
  for (const std::vector<std::string>& args :
       {std::vector<std::string>{"-o", "-"}, {"--svg=-"}, {"--help"}, {"--version"}}) {
    const ToolRun run = RunTool(args, "C", "/dev/full");
    EXPECT_EQ(run.exitCode, 1) << args[0];
    EXPECT_EQ(run.err, kPrefix + "write error: No space left on device\n") << args[0];
  }
}

TEST_F(Tool, RefusesTheSameFileUnderTwoNames) {
  WriteFile(folder.File("dial"), "old");
  std::filesystem::create_symlink("dial", folder.File("link"));
  std::filesystem::create_hard_link(folder.File("dial"), folder.File("hard"));
  for (const char* other : {"link", "hard", "./dial"}) {
    const ToolRun run = RunTool({"-o", folder.File("dial"), "--svg=" + folder.File(other)});
    EXPECT_EQ(run.exitCode, 2) << other;
    EXPECT_EQ(run.err, kPrefix + "-o and --svg name the same file\n" + kTryHelp);
  }
  EXPECT_EQ(ReadFile(folder.File("dial")), "old");
}

// Scripts get the same drawing in every locale: numbers take "." unless
// --locale-numbers asks for the window's reading.
TEST_F(Tool, ReadsNumbersWithAPointInEveryLocale) {
  for (const char* locale : {"C.UTF-8", "de_DE.UTF-8"}) {
    if (!HaveLocale(locale)) {
      ADD_FAILURE() << locale << " missing; scripts/install-deps.sh makes it";
      continue;
    }
    ToolRun run = RunTool({"--lat-deg=51", "--lat-min=32", "--lat-sec=0.0", "-o", output}, locale);
    EXPECT_EQ(run.exitCode, 0) << locale << run.err;
    EXPECT_EQ(ReadFile(output), defaultSite) << locale;
    run = RunTool({"--lat=38.5", "--long=-1.25", "-o", output}, locale);
    EXPECT_EQ(ReadFile(output), CoreDrawing({{"-1.25", "0", "0"}, {"38.5", "0", "0"}, {}}));
    run = RunTool({"--gnomon-length=1.5in", "--svg=" + folder.File("dial.svg")}, locale);
    EXPECT_EQ(run.exitCode, 0) << locale << run.err;
    run = RunTool({"--lat-sec=0,0", "-o", output}, locale);
    EXPECT_EQ(run.exitCode, 1) << locale;
    EXPECT_EQ(run.err, kPrefix + "--lat-sec: \"0,0\" is not a number\n") << locale;
  }
}

TEST_F(Tool, ReadsTheLocalesSeparatorAsTheWindowDoesWhenAsked) {
  if (!HaveLocale("de_DE.UTF-8")) GTEST_SKIP() << "de_DE.UTF-8 missing";
  const std::string pointDrawing = CoreDrawing({{"-1.25", "0", "0"}, {"38.5", "0", "0"}, {}});
  ToolRun run =
      RunTool({"--locale-numbers", "--lat=38,5", "--long-deg=-1,25", "-o", output}, "de_DE.UTF-8");
  EXPECT_EQ(run.exitCode, 0) << run.err;
  EXPECT_EQ(ReadFile(output), CoreDrawing({{"-1,25", "0", "0"}, {"38,5", "0", "0"}, {}}, ","));
  EXPECT_EQ(ReadFile(output), pointDrawing);
  // The window's settings default "0.0" fails in a comma locale, as it does
  // there.
  run = RunTool({"--locale-numbers", "--lat-sec=0.0", "-o", output}, "de_DE.UTF-8");
  EXPECT_EQ(run.exitCode, 1);
  EXPECT_EQ(run.err, kPrefix + "--lat-sec: \"0.0\" is not a number\n");
  run = RunTool({"--locale-numbers", "--lat=38.5", "--long=-1.25", "-o", output}, "C.UTF-8");
  EXPECT_EQ(run.exitCode, 0) << run.err;
  EXPECT_EQ(ReadFile(output), pointDrawing);
}

}  // namespace
