#include <gtest/gtest.h>
#include <unistd.h>

#include <QCheckBox>
#include <QComboBox>
#include <QCoreApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include <filesystem>
#include <string>

#include "gui_test_support.h"
#include "app/settings_paths.h"
#include "numeric_locale.h"
#include "platform/gui/system_text.h"
#include "platform/ini/ini_file.h"

namespace {

using app::THorizontalForm;
namespace fs = std::filesystem;

class WindowSettings : public WindowTest {
 protected:
  std::string Stored(const char* section, const char* key) const {
    return platform::IniFile(SettingsFile()).ReadString(section, key, "<missing>");
  }
};

TEST_F(WindowSettings, WithoutAFileTheWindowOpensWithDefaultsAndClosingStoresThem) {
  const THorizontalForm& form = OpenForm();
  EXPECT_EQ(form.LongDegrees->text(), "0");
  EXPECT_EQ(form.LongMinutes->text(), "0");
  EXPECT_EQ(form.LongSeconds->text(), "0");
  EXPECT_EQ(form.LatDegrees->text(), "51");
  EXPECT_EQ(form.LatMinutes->text(), "32");
  EXPECT_EQ(form.LatSeconds->text(), "0.0");
  EXPECT_EQ(form.TimeZone->currentText(), "GMT   UK/Portugal");
  EXPECT_FALSE(form.DaylightSaving->isChecked());
  const QString defaultFile = QCoreApplication::applicationDirPath() + "/Ziradadozo Rezudor.dxf";
  EXPECT_EQ(form.FileName->text(), defaultFile);

  CloseForm();
  EXPECT_EQ(Stored("Location", "Long Degrees"), "0");
  EXPECT_EQ(Stored("Location", "Long Minutes"), "0");
  EXPECT_EQ(Stored("Location", "Long Seconds"), "0");
  EXPECT_EQ(Stored("Location", "Lat Degrees"), "51");
  EXPECT_EQ(Stored("Location", "Lat Minutes"), "32");
  EXPECT_EQ(Stored("Location", "Lat Seconds"), "0.0");
  EXPECT_EQ(Stored("Location", "Time Zone Index"), "0");
  EXPECT_EQ(Stored("Location", "DST"), "0");
  EXPECT_EQ(Stored("General", "Last File"), defaultFile.toStdString());
}

TEST_F(WindowSettings, WhatTheWindowHoldsComesBackNextTime) {
  struct Inputs {
    const char* texts[6];
    int zoneIndex;
    bool daylightSaving;
    const char* fileName;
  };
  const Inputs runs[] = {
      {{"-0", "75", "abc", "", "12.5e1", "-3"}, 26, true, "/tmp/Sonnenuhr für Zürich.dxf"},
      {{"1", "2", "3", "4", "5", "6"}, -1, false, "relative.dxf"},
      {{"-12", "0", "0", "0", "0", "0"}, 0, false, ""},
  };
  for (const Inputs& run : runs) {
    SCOPED_TRACE(run.fileName);
    THorizontalForm* form = &OpenForm();
    QLineEdit* const boxes[] = {form->LongDegrees, form->LongMinutes, form->LongSeconds,
                                form->LatDegrees,  form->LatMinutes,  form->LatSeconds};
    for (int i = 0; i < 6; ++i) boxes[i]->setText(QString::fromUtf8(run.texts[i]));
    form->TimeZone->setCurrentIndex(run.zoneIndex);
    form->DaylightSaving->setChecked(run.daylightSaving);
    form->FileName->setText(QString::fromUtf8(run.fileName));
    CloseForm();

    form = &OpenForm();
    const QLineEdit* const reopened[] = {form->LongDegrees, form->LongMinutes, form->LongSeconds,
                                         form->LatDegrees,  form->LatMinutes,  form->LatSeconds};
    for (int i = 0; i < 6; ++i) EXPECT_EQ(reopened[i]->text(), QString::fromUtf8(run.texts[i]));
    EXPECT_EQ(form->TimeZone->currentIndex(), run.zoneIndex);
    EXPECT_EQ(form->DaylightSaving->isChecked(), run.daylightSaving);
    EXPECT_EQ(form->FileName->text(), QString::fromUtf8(run.fileName));
    CloseForm();
  }
  EXPECT_EQ(Stored("Location", "Time Zone Index"), "-12");
}

TEST_F(WindowSettings, TheDefaultSecondsReadAsANumberInACommaLocaleAndStoredTextsAsStored) {
  NumericLocale comma("de_DE.UTF-8");
  if (!comma.Active()) GTEST_SKIP() << "the de_DE.UTF-8 locale is not installed";
  THorizontalForm* form = &OpenForm();
  EXPECT_EQ(form->LatSeconds->text(), "0,0");
  form->FileName->setText(QString::fromStdString(folder_.File("dial.dxf")));
  form->GoButton->click();
  EXPECT_EQ(form->Label3->text(), "Finished");
  CloseForm();

  WriteFile(SettingsFile(), "[Location]\nLat Seconds=0.0\n");
  EXPECT_EQ(OpenForm().LatSeconds->text(), "0.0");
}

TEST_F(WindowSettings, BytesThatAreNotUtf8GoBackAsTheyCame) {
  const std::string folder = folder_.File("caf\xe9 dir");
  ASSERT_TRUE(fs::create_directory(folder));
  const std::string settings =
      "[Location]\n"
      "Long Degrees=\xb0\xff\n"
      "Lat Degrees=51\n"
      "[General]\n"
      "Last File=" + folder + "/Sonnenuhr f\xfcr Z\xfcrich.dxf\n";
  WriteFile(SettingsFile(), settings);
  THorizontalForm& form = OpenForm();
  form.LongDegrees->setText("0");
  form.GoButton->click();
  EXPECT_EQ(form.Label3->text(), "Finished");
  EXPECT_TRUE(fs::exists(folder + "/Sonnenuhr f\xfcr Z\xfcrich.dxf"));
  form.LongDegrees->setText(platform::gui::TextFromSystemBytes("\xb0\xff"));
  CloseForm();
  EXPECT_EQ(Stored("Location", "Long Degrees"), "\xb0\xff");
  EXPECT_EQ(Stored("General", "Last File"), folder + "/Sonnenuhr f\xfcr Z\xfcrich.dxf");
}

TEST_F(WindowSettings, ClosingMakesTheSettingsFolderWhenItIsMissing) {
  const std::string settings = folder_.File("config/ziradadozo-rezudor/Sundial.ini");
  auto form = std::make_unique<THorizontalForm>(settings);
  form.reset();
  EXPECT_EQ(platform::IniFile(settings).ReadString("Location", "Lat Degrees", ""), "51");
}

constexpr char kBeside[] = "/opt/zrd/bin/Sundial.ini";

TEST(ProgramFolders, BesideTheProgramWhenItMayBeWrittenThereElseTheUsersFolders) {
  struct Case {
    const char* name;
    bool besideMayBeWritten;
    const char* configHome;
    const char* home;
    app::ProgramFolders expected;
  };
  const Case cases[] = {
      {"writable program folder", true, "/cfg", "/home/ann",
       {kBeside, "/opt/zrd/bin/"}},
      {"configuration home set", false, "/cfg", "/home/ann",
       {"/cfg/ziradadozo-rezudor/Sundial.ini", "/home/ann/"}},
      {"configuration home unset", false, nullptr, "/home/ann/",
       {"/home/ann/.config/ziradadozo-rezudor/Sundial.ini", "/home/ann/"}},
      {"configuration home relative", false, "cfg", "/home/ann",
       {"/home/ann/.config/ziradadozo-rezudor/Sundial.ini", "/home/ann/"}},
      {"configuration home empty", false, "", "/home/ann",
       {"/home/ann/.config/ziradadozo-rezudor/Sundial.ini", "/home/ann/"}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    const app::MayWrite mayWrite = c.besideMayBeWritten
                                       ? +[](const std::string& path) { return path == kBeside; }
                                       : +[](const std::string&) { return false; };
    const app::ProgramFolders folders = app::ChooseProgramFolders(
        "/opt/zrd/bin/ziradadozo-rezudor-design", c.configHome, c.home, mayWrite);
    EXPECT_EQ(folders.settingsFile, c.expected.settingsFile);
    EXPECT_EQ(folders.outputFolder, c.expected.outputFolder);
  }
}

TEST(ProgramFolders, SettingsMayBeWrittenWhereTheFileOrANewOneCanBeSaved_Unprivileged) {
  if (::geteuid() == 0) GTEST_SKIP() << "root may write anywhere";
  struct Case {
    const char* name;
    bool fileExists;
    bool fileWritable;
    bool folderWritable;
    bool expected;
  };
  const Case cases[] = {
      {"no file, open folder", false, false, true, true},
      {"writable file, open folder", true, true, true, true},
      {"no file, closed folder", false, false, false, false},
      {"read-only file, open folder", true, false, true, false},
      // Saved in place: the folder takes no temporary file.
      {"writable file, closed folder", true, true, false, true},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    TempFolder folder;
    const std::string settings = folder.File("Sundial.ini");
    if (c.fileExists) {
      WriteFile(settings, "[Location]\n");
      if (!c.fileWritable) fs::permissions(settings, fs::perms::owner_read);
    }
    if (!c.folderWritable) {
      fs::permissions(folder.Path(), fs::perms::owner_read | fs::perms::owner_exec);
    }
    EXPECT_EQ(app::SettingsMayBeWritten(settings), c.expected);
  }
}

TEST_F(WindowSettings, NoZoneSelectedIsStoredAsMinusThirteen) {
  THorizontalForm& form = OpenForm();
  form.TimeZone->setCurrentIndex(-1);
  CloseForm();
  EXPECT_EQ(Stored("Location", "Time Zone Index"), "-13");
}

TEST_F(WindowSettings, StoredZoneSelectsItsItemOrNone) {
  struct Case {
    const char* stored;
    int index;
  };
  const Case cases[] = {
      {"-5", 7},          {"14", 26},         {"13", 25},          {"0x0D", 25},
      {"$FFFFFFFF", 11},  {"-12", 0},         {"15", -1},          {"-13", -1},
      {"2147483647", -1}, {"-2147483648", -1}, {"abc", 12},        {"3x", 12},
      {"", 12},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.stored);
    WriteFile(SettingsFile(), std::string("[Location]\nTime Zone Index=") + c.stored + "\n");
    EXPECT_EQ(OpenForm().TimeZone->currentIndex(), c.index);
    CloseForm();
  }
}

TEST_F(WindowSettings, StoredDaylightSavingTicksTheBoxWhenNotZero) {
  struct Case {
    const char* stored;
    bool ticked;
  };
  const Case cases[] = {{"1", true},    {"2", true}, {"-1", true},
                        {"0", false},   {"yes", false}, {"", false}};
  for (const Case& c : cases) {
    SCOPED_TRACE(c.stored);
    WriteFile(SettingsFile(), std::string("[Location]\nDST=") + c.stored + "\n");
    EXPECT_EQ(OpenForm().DaylightSaving->isChecked(), c.ticked);
    CloseForm();
  }
}

TEST_F(WindowSettings, AnEmptyStoredTextStaysEmpty) {
  WriteFile(SettingsFile(), "[Location]\nLong Degrees=\n");
  const THorizontalForm& form = OpenForm();
  EXPECT_EQ(form.LongDegrees->text(), "");
  EXPECT_EQ(form.LongMinutes->text(), "0");
  CloseForm();
  EXPECT_EQ(Stored("Location", "Long Degrees"), "");
}

TEST_F(WindowSettings, LinesTheProgramDoesNotOwnSurviveASave) {
  WriteFile(SettingsFile(),
            "; written by hand\n"
            "[Location]\n"
            "Colour=sandstone\n"
            "Lat Degrees=40\n"
            "[Maker]\n"
            "Name=A. Mason\n");
  EXPECT_EQ(OpenForm().LatDegrees->text(), "40");
  CloseForm();
  const std::string saved = ReadFile(SettingsFile());
  for (const char* line : {"; written by hand", "Colour=sandstone", "[Maker]", "Name=A. Mason"}) {
    EXPECT_NE(saved.find(line), std::string::npos) << line;
  }
  EXPECT_EQ(Stored("Location", "Lat Degrees"), "40");
}

TEST_F(WindowSettings, UnwritableSettingsShowTheErrorAndTheWindowStillCloses_Unprivileged) {
  if (::geteuid() == 0) GTEST_SKIP() << "root may write anywhere";
  struct Case {
    const char* name;
    const char* existing;  // nullptr: no file
  };
  const Case cases[] = {{"read-only file", "[Location]\nLat Degrees=40\n"},
                        {"no file in a closed folder", nullptr}};
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    TempFolder folder;
    const std::string settings = folder.File("Sundial.ini");
    if (c.existing != nullptr) {
      WriteFile(settings, c.existing);
      fs::permissions(settings, fs::perms::owner_read);
    }
    fs::permissions(folder.Path(), fs::perms::owner_read | fs::perms::owner_exec);

    ErrorCapture errors;
    auto form = std::make_unique<THorizontalForm>(settings);
    form->LatDegrees->setText("12");
    form.reset();
    EXPECT_EQ(errors.Shown(), QStringList({QString::fromStdString("Unable to write to " + settings + ".")}));
    if (c.existing != nullptr) {
      EXPECT_EQ(ReadFile(settings), c.existing);
    } else {
      EXPECT_FALSE(fs::exists(settings));
    }
  }
}

}  // namespace
