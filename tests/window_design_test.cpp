#include <gtest/gtest.h>

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QProcess>
#include <QPushButton>

#include <string>

#include "gui_test_support.h"
#include "numeric_locale.h"

namespace {

using app::THorizontalForm;

struct Site {
  const char* name;
  const char* longitude[3];
  const char* latitude[3];
  int zoneIndex;  // -1: none selected
  bool daylightSaving;
};

void Enter(THorizontalForm& form, const Site& site, const std::string& fileName) {
  form.LongDegrees->setText(site.longitude[0]);
  form.LongMinutes->setText(site.longitude[1]);
  form.LongSeconds->setText(site.longitude[2]);
  form.LatDegrees->setText(site.latitude[0]);
  form.LatMinutes->setText(site.latitude[1]);
  form.LatSeconds->setText(site.latitude[2]);
  form.TimeZone->setCurrentIndex(site.zoneIndex);
  form.DaylightSaving->setChecked(site.daylightSaving);
  form.FileName->setText(QString::fromStdString(fileName));
}

QString ZoneOption(int zoneIndex) {
  if (zoneIndex == -1) return "--zone=none";
  if (zoneIndex == 26) return "--zone=LAT";
  return "--zone=" + QString::number(zoneIndex - 12);
}

// The drawing the command-line tool writes for `site`.
std::string ToolDrawing(const Site& site, const std::string& fileName) {
  QStringList args{QString("--long-deg=") + site.longitude[0],
                   QString("--long-min=") + site.longitude[1],
                   QString("--long-sec=") + site.longitude[2],
                   QString("--lat-deg=") + site.latitude[0],
                   QString("--lat-min=") + site.latitude[1],
                   QString("--lat-sec=") + site.latitude[2],
                   ZoneOption(site.zoneIndex),
                   "-o",
                   QString::fromStdString(fileName)};
  if (site.daylightSaving) args.append("--dst");
  QProcess tool;
  tool.start(ZRD_CLI_PATH, args);
  EXPECT_TRUE(tool.waitForFinished());
  EXPECT_EQ(tool.exitCode(), 0) << tool.readAllStandardError().toStdString();
  return ReadFile(fileName);
}

class WindowDesign : public WindowTest {};

TEST_F(WindowDesign, GoWritesTheDrawingTheCommandLineToolWrites) {
  const Site sites[] = {
      {"north, GMT", {"0", "0", "0"}, {"51", "32", "0.0"}, 12, false},
      {"south and east, GMT +10 with summer time", {"-151", "12", "30"}, {"-33", "52", "0"}, 22, true},
      {"west, GMT -5 with summer time", {"74", "0", "0"}, {"40", "45", "0"}, 7, true},
      {"local apparent time", {"-2", "20", "14"}, {"48", "51", "24"}, 26, true},
      {"no zone selected", {"3", "0", "0"}, {"60", "0", "0"}, -1, false},
  };
  THorizontalForm& form = OpenForm();
  for (const Site& site : sites) {
    SCOPED_TRACE(site.name);
    const std::string windowFile = folder_.File("window.dxf");
    Enter(form, site, windowFile);
    form.GoButton->click();
    EXPECT_EQ(form.Label3->text(), "Finished");
    const std::string drawing = ReadFile(windowFile);
    EXPECT_FALSE(drawing.empty());
    EXPECT_EQ(drawing, ToolDrawing(site, folder_.File("tool.dxf")));
  }
}

TEST_F(WindowDesign, AFailedRunShowsWhyAndLeavesTheOldFile) {
  struct Case {
    Site site;
    const char* status;
  };
  const Case cases[] = {
      {{"latitude too far north", {"0", "0", "0"}, {"89.9991", "0", "0"}, 12, false},
       "Latitude must be +89.999 to -89.999 degrees"},
      {{"longitude past 180", {"180", "0", "1"}, {"51", "0", "0"}, 12, false},
       "Longitude must be +180 to -180 degrees"},
      {{"empty minutes", {"0", "0", "0"}, {"51", "", "0"}, 12, false}, "An error ocurred - sorry!"},
      {{"decimal comma", {"0", "0", "0"}, {"51,5", "0", "0"}, 12, false},
       "An error ocurred - sorry!"},
  };
  THorizontalForm& form = OpenForm();
  const std::string fileName = folder_.File("dial.dxf");
  for (const Case& c : cases) {
    SCOPED_TRACE(c.site.name);
    WriteFile(fileName, "an earlier drawing");
    Enter(form, c.site, fileName);
    form.GoButton->click();
    EXPECT_EQ(form.Label3->text(), c.status);
    EXPECT_EQ(ReadFile(fileName), "an earlier drawing");
  }
}

TEST_F(WindowDesign, TypedNumbersFollowTheUsersDecimalSeparator) {
  NumericLocale comma("de_DE.UTF-8");
  if (!comma.Active()) GTEST_SKIP() << "the de_DE.UTF-8 locale is not installed";
  THorizontalForm& form = OpenForm();
  form.FileName->setText(QString::fromStdString(folder_.File("dial.dxf")));
  form.LatSeconds->setText("0.0");
  form.GoButton->click();
  EXPECT_EQ(form.Label3->text(), "An error ocurred - sorry!");
  form.LatSeconds->setText("0,5");
  form.GoButton->click();
  EXPECT_EQ(form.Label3->text(), "Finished");
}

}  // namespace
