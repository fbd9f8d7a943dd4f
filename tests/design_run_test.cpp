#include "design/design_run.h"

#include <gtest/gtest.h>

#include <string>
#include <utility>
#include <vector>

#include "design/status_texts.h"
#include "dxf/dxf_writer.h"
#include "numeric_locale.h"
#include "temp_folder.h"

namespace {

using design::DesignInputs;
using design::DesignOutcome;

class RecordingStatus : public design::StatusLine {
 public:
  void ShowStatus(const std::string& text, bool repaintNow) override {
    shown.emplace_back(text, repaintNow);
  }
  std::vector<std::pair<std::string, bool>> shown;
};

class DesignRun : public ::testing::Test {
 protected:
  DesignInputs Site(std::string latDegrees, std::string latMinutes, std::string longDegrees,
                    std::string longSeconds = "0") {
    DesignInputs inputs = DefaultSite();
    inputs.latitude = {std::move(latDegrees), std::move(latMinutes), "0"};
    inputs.longitude = {std::move(longDegrees), "0", std::move(longSeconds)};
    return inputs;
  }
  DesignInputs DefaultSite() {
    return {{"0", "0", "0"}, {"51", "32", "0.0"}, design::DialZone::Gmt(0)};
  }
  DesignOutcome Run(const DesignInputs& inputs, const char* separator = ".") {
    return RunTo(output, inputs, separator);
  }
  DesignOutcome RunTo(const std::string& fileName, const DesignInputs& inputs,
                      const char* separator = ".") {
    status.shown.clear();
    dxf::DxfWriter drawing;
    return design::RunDesign(inputs, separator, status, {{&drawing, fileName}}).outcome;
  }
  std::string LastStatus() const { return status.shown.back().first; }

  TempFolder folder;
  std::string output = folder.File("dial.dxf");
  RecordingStatus status;
};

TEST_F(DesignRun, WritesTheDefaultSiteByteForByte) {
  EXPECT_EQ(Run(DefaultSite()), DesignOutcome::Finished);
  EXPECT_EQ(ReadFile(output), ReadFile(ZRD_TEST_DATA "/default-site.dxf"));
  const std::vector<std::pair<std::string, bool>> expected{
      {design::kStartingCalculations, true}, {design::kSavingDxfFile, true}, {design::kFinished, false}};
  EXPECT_EQ(status.shown, expected);
}

TEST_F(DesignRun, ChecksTheLatitudeBeforeReadingTheLongitude) {
  struct Case {
    DesignInputs inputs;
    DesignOutcome outcome;
    const char* status;
  };
  const Case cases[] = {
      {Site("89.999", "0", "0"), DesignOutcome::Finished, design::kFinished},
      {Site("-89.999", "0", "0"), DesignOutcome::Finished, design::kFinished},
      {Site("89.9991", "0", "0"), DesignOutcome::LatitudeRejected, design::kLatitudeRejected},
      {Site("89", "60", "0"), DesignOutcome::LatitudeRejected, design::kLatitudeRejected},
      {Site("90", "0", "181"), DesignOutcome::LatitudeRejected, design::kLatitudeRejected},
      {Site("90", "0", "not a number"), DesignOutcome::LatitudeRejected, design::kLatitudeRejected},
      {Site("51", "0", "180"), DesignOutcome::Finished, design::kFinished},
      {Site("51", "0", "-180"), DesignOutcome::Finished, design::kFinished},
      {Site("51", "0", "180", "1"), DesignOutcome::LongitudeRejected, design::kLongitudeRejected},
      {Site("51", "0", "-181"), DesignOutcome::LongitudeRejected, design::kLongitudeRejected},
      {Site("1e400", "0", "0"), DesignOutcome::Failed, design::kRunFailed},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.inputs.latitude.degrees + " / " + c.inputs.longitude.degrees);
    EXPECT_EQ(Run(c.inputs), c.outcome);
    EXPECT_EQ(LastStatus(), c.status);
  }
}

TEST_F(DesignRun, LeavesAnExistingDrawingAsItWasWhenRejectedOrFailed) {
  WriteFile(output, "the old drawing");
  DesignInputs emptyMinutes = DefaultSite();
  emptyMinutes.latitude.minutes = "";
  DesignInputs emptySeconds = DefaultSite();
  emptySeconds.longitude.seconds = "";
  const DesignInputs cases[] = {Site("-90", "0", "0"), Site("0", "0", "200"), emptyMinutes,
                                emptySeconds, Site("51,5", "0", "0")};
  for (const DesignInputs& inputs : cases) {
    EXPECT_NE(Run(inputs), DesignOutcome::Finished);
    EXPECT_EQ(ReadFile(output), "the old drawing");
    EXPECT_EQ(folder.EntryCount(), 1u);
  }
}

TEST_F(DesignRun, ReportsAFileThatCannotBeWrittenAsAFailure) {
  const std::string cases[] = {"", folder.File("missing/dial.dxf"), folder.Path(), "/dev/full"};
  for (const std::string& fileName : cases) {
    EXPECT_EQ(RunTo(fileName, DefaultSite()), DesignOutcome::Failed) << fileName;
    const std::vector<std::pair<std::string, bool>> expected{{design::kStartingCalculations, true},
                                                             {design::kSavingDxfFile, true},
                                                             {design::kRunFailed, false}};
    EXPECT_EQ(status.shown, expected);
  }
  EXPECT_EQ(folder.EntryCount(), 0u);
}

TEST_F(DesignRun, ReplacesALongerDrawingWhole) {
  WriteFile(output, std::string(100000, 'x'));
  ASSERT_EQ(Run(DefaultSite()), DesignOutcome::Finished);
  EXPECT_EQ(ReadFile(output), ReadFile(ZRD_TEST_DATA "/default-site.dxf"));
}

TEST_F(DesignRun, StartsEveryRunAfresh) {
  ASSERT_EQ(Run(Site("-33", "52", "-151")), DesignOutcome::Finished);
  ASSERT_EQ(Run(DefaultSite()), DesignOutcome::Finished);
  EXPECT_EQ(ReadFile(output), ReadFile(ZRD_TEST_DATA "/default-site.dxf"));
}

// The frame ends before the first hour line; its 20 records take
// 10 + 16 * 14 + 3 * 22 + 16 lines after the header.
std::string FrameOf(const std::string& drawing) {
  std::size_t end = 0;
  for (int line = 0; line < 10 + 16 * 14 + 3 * 22 + 16; ++line) end = drawing.find("\r\n", end) + 2;
  return drawing.substr(0, end);
}

TEST_F(DesignRun, DrawsTheSameFrameForASouthernSite) {
  ASSERT_EQ(Run(Site("33", "52", "0")), DesignOutcome::Finished);
  const std::string north = ReadFile(output);
  ASSERT_EQ(Run(Site("-33", "52", "0")), DesignOutcome::Finished);
  const std::string south = ReadFile(output);
  EXPECT_EQ(FrameOf(north), FrameOf(south));
  EXPECT_NE(north, south);
  EXPECT_NE(FrameOf(south).find("Angle = 33'52'0.00\""), std::string::npos);
}

TEST_F(DesignRun, DrawsAFlatGnomonAtTheEquator) {
  ASSERT_EQ(Run(Site("0", "0", "0")), DesignOutcome::Finished);
  const std::string frame = FrameOf(ReadFile(output));
  const std::string flatLine =
      " 0\r\nLINE\r\n 8\r\nSUNDIAL\r\n62\r\n5\r\n10\r\n2.0000000000\r\n20\r\n0.0000000000\r\n"
      "11\r\n3.0000000000\r\n21\r\n0.0000000000\r\n";
  EXPECT_NE(frame.find(flatLine + flatLine), std::string::npos);
  EXPECT_NE(frame.find("50\r\n0.0000000000\r\n51\r\n0.0000000000\r\n"), std::string::npos);
}

TEST_F(DesignRun, ReadsTheUsersSeparatorAndStillWritesPointsInACommaLocale) {
  NumericLocale comma("de_DE.UTF-8");
  if (!comma.Active()) GTEST_SKIP() << "de_DE.UTF-8 missing";
  EXPECT_EQ(Run(DefaultSite(), ","), DesignOutcome::Failed);  // "0.0" is no number here
  DesignInputs inputs = DefaultSite();
  inputs.latitude.seconds = "0,0";
  ASSERT_EQ(Run(inputs, ","), DesignOutcome::Finished);
  EXPECT_EQ(ReadFile(output), ReadFile(ZRD_TEST_DATA "/default-site.dxf"));
}

}  // namespace
