#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QDir>
#include <QFileDialog>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QTest>

#include <algorithm>

#include "gui_test_support.h"

namespace {

using app::THorizontalForm;

// The name box of Qt's own file dialog.
QLineEdit* NameBox(QWidget* dialog) {
  return dialog->findChild<QLineEdit*>(QStringLiteral("fileNameEdit"));
}

class WindowDialogs : public WindowTest {};

TEST_F(WindowDialogs, TheSaveDialogIsMadeOnTheFirstBrowseAndKept) {
  THorizontalForm& form = OpenForm();
  EXPECT_EQ(form.SaveDialog1, nullptr);
  EXPECT_EQ(form.findChild<QFileDialog*>(), nullptr);
  for (int browse = 0; browse < 2; ++browse) {
    WhenModalShows([&](QWidget* modal) {
      ASSERT_EQ(modal, form.SaveDialog1);
      const QFileDialog* dialog = form.SaveDialog1;
      EXPECT_EQ(dialog->objectName(), "SaveDialog1");
      EXPECT_EQ(dialog->parentWidget(), &form);
      EXPECT_EQ(dialog->windowTitle(), "Save Dial Drawing As...");
      EXPECT_EQ(dialog->acceptMode(), QFileDialog::AcceptSave);
      EXPECT_EQ(dialog->defaultSuffix(), "dxf");
      EXPECT_TRUE(dialog->testOption(QFileDialog::DontConfirmOverwrite));
      EXPECT_TRUE(dialog->testOption(QFileDialog::DontUseNativeDialog));
      EXPECT_TRUE(dialog->isSizeGripEnabled());
      // No list of file types.
      for (const char* name : {"fileTypeLabel", "fileTypeCombo"}) {
        const auto* control = dialog->findChild<QWidget*>(name);
        ASSERT_NE(control, nullptr) << name;
        EXPECT_FALSE(control->isVisible()) << name;
      }
      form.SaveDialog1->reject();
    });
    form.BrowseButton->click();
  }
  EXPECT_EQ(form.findChildren<QFileDialog*>().size(), 1);
}

TEST_F(WindowDialogs, BrowseOffersTheFileAndTakesTheChosenOneWithItsExtension) {
  THorizontalForm& form = OpenForm();
  const QString folder = QString::fromStdString(folder_.Path());
  form.FileName->setText(folder + "/old.dxf");
  WhenModalShows([&](QWidget* modal) {
    ASSERT_EQ(modal, form.SaveDialog1);
    EXPECT_EQ(form.SaveDialog1->directory().absolutePath(), folder);
    ASSERT_NE(NameBox(modal), nullptr);
    EXPECT_EQ(NameBox(modal)->text(), "old.dxf");
    NameBox(modal)->clear();
    QTest::keyClicks(NameBox(modal), "new");
    QTest::keyClick(NameBox(modal), Qt::Key_Return);
  });
  form.BrowseButton->click();
  EXPECT_EQ(form.FileName->text(), folder + "/new.dxf");
  EXPECT_EQ(folder_.EntryCount(), 0u);
}

TEST_F(WindowDialogs, CancellingBrowseKeepsTheFileName) {
  THorizontalForm& form = OpenForm();
  form.FileName->setText("somewhere/else.dxf");
  WhenModalShows([&](QWidget* modal) {
    ASSERT_NE(NameBox(modal), nullptr);
    NameBox(modal)->setText("other");
    form.SaveDialog1->reject();
  });
  form.BrowseButton->click();
  EXPECT_EQ(form.FileName->text(), "somewhere/else.dxf");
}

TEST_F(WindowDialogs, BrowsePresetsTheWholeTextAndTheFolderOnlyWhenThereIsOne) {
  THorizontalForm& form = OpenForm();
  const QString folder = QString::fromStdString(folder_.Path());
  struct Case {
    QString fileName;
    QString presetName;
  };
  // The dialog keeps its folder from one run to the next: a name without a
  // folder leaves it where it was.
  const Case cases[] = {
      {folder + "/first.dxf", "first.dxf"},
      {"bare.dxf", "bare.dxf"},
      {"", ""},
      // The nearest folder that exists, and no name for a folder.
      {folder + "/missing/deeper/x.dxf", "x.dxf"},
      {folder + "/", ""},
      {folder + "/missing/", ""},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.fileName.toStdString());
    form.FileName->setText(c.fileName);
    WhenModalShows([&](QWidget* modal) {
      EXPECT_EQ(form.SaveDialog1->directory().absolutePath(), folder);
      ASSERT_NE(NameBox(modal), nullptr);
      EXPECT_EQ(NameBox(modal)->text(), c.presetName);
      form.SaveDialog1->reject();
    });
    form.BrowseButton->click();
  }
}

// Makes a folder the process's working folder for one test.
class WorkingFolder {
 public:
  explicit WorkingFolder(const QString& path) : previous_(QDir::currentPath()) {
    QDir::setCurrent(path);
  }
  WorkingFolder(const WorkingFolder&) = delete;
  WorkingFolder& operator=(const WorkingFolder&) = delete;
  ~WorkingFolder() { QDir::setCurrent(previous_); }

 private:
  QString previous_;
};

TEST_F(WindowDialogs, BrowseTakesARelativeNameFromTheWorkingFolder) {
  const QString folder = QString::fromStdString(folder_.Path());
  ASSERT_TRUE(QDir(folder).mkdir("plans"));
  WorkingFolder workingFolder(folder);
  THorizontalForm& form = OpenForm();
  form.FileName->setText("plans/dial.dxf");
  WhenModalShows([&](QWidget* modal) {
    EXPECT_EQ(form.SaveDialog1->directory().absolutePath(), folder + "/plans");
    ASSERT_NE(NameBox(modal), nullptr);
    QTest::keyClick(NameBox(modal), Qt::Key_Return);
  });
  form.BrowseButton->click();
  EXPECT_EQ(form.FileName->text(), folder + "/plans/dial.dxf");
}

TEST_F(WindowDialogs, BrowseFromAMissingFolderGivesThePathTheUserSees) {
  THorizontalForm& form = OpenForm();
  const QString folder = QString::fromStdString(folder_.Path());
  form.FileName->setText(folder + "/missing/dial.dxf");
  WhenModalShows([&](QWidget* modal) {
    ASSERT_NE(NameBox(modal), nullptr);
    QTest::keyClick(NameBox(modal), Qt::Key_Return);
  });
  form.BrowseButton->click();
  EXPECT_EQ(form.FileName->text(), folder + "/dial.dxf");
}

TEST_F(WindowDialogs, HelpShowsTheHelpTextInAnInformationBox) {
  THorizontalForm& form = OpenForm();
  const QStringList lines{
      "This dial drawing program is used for horizontal sundials outside the Tropics.",
      "",
      "Enter the longitude and latitude of the dial location with as great an accuracy as you "
      "can manage.",
      "\tLongitude East: Degrees are to be preceeded by a - sign.",
      "\tLatitude South: Degrees are to be preceeded by a - sign.",
      "",
      "Select the time zone you want the dial to read, then select the output file for the dial "
      "drawing. This will be in .dxf format showing the hour lines and gnomon profile. The scale "
      "of the drawing is such that the gnomon length is 1.000 units. The drawing can be scaled in "
      "a CAD program once you have determined the gnomon length.",
      "",
      "Finally, press the 'Go!' button.",
  };
  bool seen = false;
  WhenModalShows([&](QWidget* modal) {
    auto* box = qobject_cast<QMessageBox*>(modal);
    ASSERT_NE(box, nullptr);
    seen = true;
    EXPECT_EQ(box->text(), lines.join('\n'));
    EXPECT_EQ(box->windowTitle(), "Ziradadozo Rezudor Design Program Help");
    EXPECT_EQ(box->icon(), QMessageBox::Information);
    EXPECT_EQ(box->standardButtons(), QMessageBox::Ok);
    EXPECT_EQ(box->windowModality(), Qt::ApplicationModal);
    const auto* text = box->findChild<QLabel*>("qt_msgbox_label");
    ASSERT_NE(text, nullptr);
    EXPECT_EQ(text->font().pixelSize(), 13);
    // The first two sentences each stand on a line of their own.
    const QFontMetrics metrics = text->fontMetrics();
    const int textWidth =
        text->contentsRect().width() - std::max(text->indent(), 0) - 2 * text->margin();
    for (const QString& line : {lines[0], lines[2]}) {
      const QRect laidOut =
          metrics.boundingRect(QRect(0, 0, textWidth, 1000), Qt::TextWordWrap, line);
      EXPECT_LT(laidOut.height(), 2 * metrics.lineSpacing()) << line.toStdString();
    }
    box->button(QMessageBox::Ok)->click();
  });
  form.HelpButton->click();
  EXPECT_TRUE(seen);
}

TEST_F(WindowDialogs, ErrorBoxesTakeTheWindowsFont) {
  OpenForm();
  bool seen = false;
  WhenModalShows([&seen](QWidget* modal) {
    seen = true;
    EXPECT_EQ(modal->font().pixelSize(), 13);
    modal->close();
  });
  platform::gui::ShowError("Unable to write to /x/Sundial.ini");
  EXPECT_TRUE(seen);
}

}  // namespace
