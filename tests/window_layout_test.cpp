#include <gtest/gtest.h>

#include <QAbstractItemView>
#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScreen>
#include <QScrollBar>
#include <QStyle>
#include <QStyleFactory>
#include <QTest>
#include <QTimer>

#include <optional>
#include <vector>

#include "gui_test_support.h"
#include "platform/gui/frame_fit.h"

namespace {

using app::THorizontalForm;

// Names a member and reads it, so that the table below checks that each
// control's member and object name agree.
#define CONTROL(name) #name, [](const THorizontalForm& f) -> QWidget* { return f.name; }

struct ControlCase {
  const char* name;
  QWidget* (*member)(const THorizontalForm&);
  const QMetaObject* kind;
  const char* parent;
  const char* caption;
  QRect geometry;  // for a label only the top left corner: it fits its caption
};

const QMetaObject* const kGroup = &QGroupBox::staticMetaObject;
const QMetaObject* const kLabel = &QLabel::staticMetaObject;
const QMetaObject* const kEdit = &QLineEdit::staticMetaObject;
const QMetaObject* const kButton = &QPushButton::staticMetaObject;

const std::vector<ControlCase>& Controls() {
  static const std::vector<ControlCase> controls{
      {CONTROL(Longitude), kGroup, "HorizontalForm", " Local Longitude ", {16, 8, 193, 137}},
      {CONTROL(Label4), kLabel, "Longitude", "Degrees", {16, 36, 0, 0}},
      {CONTROL(Label5), kLabel, "Longitude", "Minutes", {16, 68, 0, 0}},
      {CONTROL(Label6), kLabel, "Longitude", "Seconds", {16, 100, 0, 0}},
      {CONTROL(LongDegrees), kEdit, "Longitude", "", {96, 32, 73, 24}},
      {CONTROL(LongMinutes), kEdit, "Longitude", "", {96, 64, 73, 24}},
      {CONTROL(LongSeconds), kEdit, "Longitude", "", {96, 96, 73, 24}},
      {CONTROL(Lattitude), kGroup, "HorizontalForm", " Local Lattitude ", {240, 8, 193, 137}},
      {CONTROL(Label7), kLabel, "Lattitude", "Degrees", {20, 36, 0, 0}},
      {CONTROL(Label8), kLabel, "Lattitude", "Minutes", {19, 68, 0, 0}},
      {CONTROL(Label9), kLabel, "Lattitude", "Seconds", {19, 100, 0, 0}},
      {CONTROL(LatDegrees), kEdit, "Lattitude", "", {96, 32, 73, 24}},
      {CONTROL(LatMinutes), kEdit, "Lattitude", "", {96, 64, 73, 24}},
      {CONTROL(LatSeconds), kEdit, "Lattitude", "", {96, 96, 73, 24}},
      {CONTROL(Label1), kLabel, "HorizontalForm", "Time Zone for Dial Reading", {16, 164, 0, 0}},
      {CONTROL(TimeZone), &QComboBox::staticMetaObject, "HorizontalForm", "", {208, 160, 225, 24}},
      {CONTROL(DaylightSaving), &QCheckBox::staticMetaObject, "HorizontalForm",
       "Daylight Saving Time", {208, 192, 225, 17}},
      {CONTROL(Label2), kLabel, "HorizontalForm", "Output File for Dial Drawing", {16, 216, 0, 0}},
      {CONTROL(FileName), kEdit, "HorizontalForm", "", {16, 240, 321, 24}},
      {CONTROL(BrowseButton), kButton, "HorizontalForm", "Browse", {352, 240, 81, 25}},
      {CONTROL(GoButton), kButton, "HorizontalForm", "Go!", {16, 280, 81, 33}},
      {CONTROL(Label3), kLabel, "HorizontalForm", "File not written.", {128, 288, 0, 0}},
      {CONTROL(HelpButton), kButton, "HorizontalForm", "Help", {352, 280, 81, 33}},
  };
  return controls;
}

QString Caption(const QWidget* control) {
  if (auto* label = qobject_cast<const QLabel*>(control)) return label->text();
  if (auto* button = qobject_cast<const QAbstractButton*>(control)) return button->text();
  if (auto* group = qobject_cast<const QGroupBox*>(control)) return group->title();
  return {};
}

void ExpectControlsInPlace(const THorizontalForm& form) {
  for (const ControlCase& c : Controls()) {
    SCOPED_TRACE(c.name);
    QWidget* control = c.member(form);
    ASSERT_NE(control, nullptr);
    EXPECT_EQ(control->objectName(), c.name);
    EXPECT_EQ(control->metaObject(), c.kind);
    EXPECT_EQ(control->parentWidget()->objectName(), c.parent);
    EXPECT_EQ(Caption(control), c.caption);
    EXPECT_EQ(control->font().pixelSize(), 13);
    if (c.kind == kLabel) {
      EXPECT_EQ(control->geometry(), QRect(c.geometry.topLeft(), control->sizeHint()));
    } else {
      EXPECT_EQ(control->geometry(), c.geometry);
    }
  }
}

class WindowLayout : public WindowTest {};

TEST(FittedGeometry, GivesTheOuterSizeCentredAndIgnoresFramesThatMakeNoSense) {
  struct Case {
    const char* name;
    QMargins frame;  // left, top, right, bottom
    std::optional<QRect> geometry;
  };
  const QRect screen(0, 0, 1024, 768);
  const Case cases[] = {
      {"no window manager", {0, 0, 0, 0}, QRect(283, 205, 458, 358)},
      {"caption and border", {4, 21, 4, 4}, QRect(287, 226, 450, 333)},
      {"negative, as a window being framed may report", {-457, -357, 0, 0}, std::nullopt},
      {"one negative side", {4, 21, -1, 4}, std::nullopt},
      {"as wide as the window", {229, 21, 229, 4}, std::nullopt},
      {"as high as the window", {4, 300, 4, 58}, std::nullopt},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    EXPECT_EQ(platform::gui::FittedGeometry(c.frame, QSize(458, 358), screen), c.geometry);
  }
}

TEST_F(WindowLayout, ControlsStandWhereTheyBelongAndStayThereOnResize) {
  THorizontalForm& form = OpenForm();
  form.show();
  ExpectControlsInPlace(form);
  form.resize(700, 520);
  ExpectControlsInPlace(form);
  form.resize(300, 200);
  ExpectControlsInPlace(form);
}

TEST_F(WindowLayout, WindowIsASizeableCaptionedBoxWithoutMaximiseCentredOnTheScreen) {
  THorizontalForm& form = OpenForm();
  form.show();
  EXPECT_EQ(form.windowTitle(), "Ziradadozo Rezudor Design");
  EXPECT_EQ(form.frameGeometry().size(), QSize(458, 358));
  const QPoint offCentre = form.frameGeometry().center() - form.screen()->availableGeometry().center();
  EXPECT_LE(offCentre.manhattanLength(), 1);
  const Qt::WindowFlags flags = form.windowFlags();
  EXPECT_FALSE(flags.testFlag(Qt::WindowMaximizeButtonHint));
  EXPECT_TRUE(flags.testFlag(Qt::WindowMinimizeButtonHint));
  EXPECT_TRUE(flags.testFlag(Qt::WindowCloseButtonHint));
  EXPECT_NE(form.minimumSize(), form.maximumSize());
  EXPECT_EQ(form.font().pixelSize(), 13);
  EXPECT_EQ(form.font().styleHint(), QFont::SansSerif);
}

TEST_F(WindowLayout, TimeZoneIsAPickOnlyListOfTheTwentySevenZones) {
  const THorizontalForm& form = OpenForm();
  const QStringList expected{
      "GMT -12   kwajalein",         "GMT -11   Bering Time",       "GMT -10   Alaska/Hawaii Time",
      "GMT -9   Yukon Time",         "GMT -8   Pacific Time",       "GMT -7   Mountain Time",
      "GMT -6   Central Time",       "GMT -5   Eastern Time",       "GMT -4   Atlantic Time",
      "GMT -3   Greenland",          "GMT -2   Mid Atlantic",       "GMT -1   Azores",
      "GMT   UK/Portugal",           "GMT +1   Continental Europe", "GMT +2   Central Europe",
      "GMT +3   Moscow",             "GMT +4   Abu Dhabi",          "GMT +5   Ekatarinburg",
      "GMT +6   Novisibirsk",        "GMT +7   Bangkok",            "GMT +8   Singapore",
      "GMT +9   Tokyo",              "GMT +10   Brisbane",          "GMT +11   Solomon Islands",
      "GMT +12   New Zealand",       "GMT +13   Nuku'alofa",        "Local Apparent Time (LAT)",
  };
  QStringList items;
  for (int i = 0; i < form.TimeZone->count(); ++i) items.append(form.TimeZone->itemText(i));
  EXPECT_EQ(items, expected);
  EXPECT_FALSE(form.TimeZone->isEditable());
  EXPECT_EQ(form.TimeZone->maxVisibleItems(), 8);
}

TEST_F(WindowLayout, TimeZoneOpensAsAScrollingListOfEightRowsUnderEveryStyle) {
  const QString previousStyle = QApplication::style()->name();
  for (const QString& style : QStyleFactory::keys()) {
    SCOPED_TRACE(style.toStdString());
    QApplication::setStyle(style);
    THorizontalForm& form = OpenForm();
    form.show();
    form.TimeZone->showPopup();
    const QAbstractItemView* view = form.TimeZone->view();
    ASSERT_TRUE(view->isVisible());
    const int rowHeight = view->sizeHintForRow(0);
    ASSERT_GT(rowHeight, 0);
    EXPECT_EQ(view->viewport()->height() / rowHeight, 8);
    EXPECT_TRUE(view->verticalScrollBar()->isVisible());
    form.TimeZone->hidePopup();
    CloseForm();
  }
  QApplication::setStyle(previousStyle);
}

TEST_F(WindowLayout, EveryStatusTextIsSeenWholeLeftOfHelp) {
  struct Case {
    const char* latitude;
    const char* longitude;
    const char* status;
  };
  const Case cases[] = {
      {"51", "0", "Finished"},
      {"90", "0", "Latitude must be +89.999 to -89.999 degrees"},
      {"51", "181", "Longitude must be +180 to -180 degrees"},
      {"north", "0", "An error ocurred - sorry!"},
  };
  THorizontalForm& form = OpenForm();
  form.show();
  form.FileName->setText(QString::fromStdString(folder_.File("dial.dxf")));
  const auto expectSeenWhole = [&form](const QString& text) {
    const QLabel* label = form.Label3;
    EXPECT_EQ(label->text(), text);
    EXPECT_EQ(label->pos(), QPoint(128, 288));
    EXPECT_FALSE(label->geometry().intersects(form.HelpButton->geometry()));
    EXPECT_FALSE(label->geometry().intersects(form.GoButton->geometry()));
    EXPECT_LE(label->geometry().bottom(), form.rect().bottom());
    const QRect needed = label->fontMetrics().boundingRect(
        QRect(0, 0, label->contentsRect().width(), 1000), Qt::TextWordWrap, text);
    EXPECT_LE(needed.width(), label->contentsRect().width());
    EXPECT_LE(needed.height(), label->contentsRect().height());
  };
  expectSeenWhole("File not written.");
  for (const Case& c : cases) {
    SCOPED_TRACE(c.status);
    form.LatDegrees->setText(c.latitude);
    form.LongDegrees->setText(c.longitude);
    form.GoButton->click();
    expectSeenWhole(c.status);
  }
}

TEST_F(WindowLayout, TabWalksTheInputsInOrderPastBrowseAndRoundAgain) {
  THorizontalForm& form = OpenForm();
  form.show();
  form.activateWindow();
  ASSERT_TRUE(QTest::qWaitForWindowActive(&form));
  EXPECT_EQ(QApplication::focusWidget(), form.LongDegrees);

  const std::vector<QWidget*> order{form.LongMinutes, form.LongSeconds, form.LatDegrees,
                                    form.LatMinutes,  form.LatSeconds,  form.TimeZone,
                                    form.FileName,    form.GoButton,    form.HelpButton,
                                    form.DaylightSaving, form.LongDegrees};
  for (QWidget* next : order) {
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    EXPECT_EQ(QApplication::focusWidget(), next) << next->objectName().toStdString();
  }
  QTest::keyClick(QApplication::focusWidget(), Qt::Key_Backtab);
  EXPECT_EQ(QApplication::focusWidget(), form.DaylightSaving);
}

TEST_F(WindowLayout, ClosingTheWindowEndsTheEventLoopWithoutAQuestion) {
  ErrorCapture errors;
  THorizontalForm& form = OpenForm();
  form.show();
  // Ends a loop that the close failed to end, or a question it asked.
  QTimer watchdog;
  watchdog.setSingleShot(true);
  QObject::connect(&watchdog, &QTimer::timeout, [] { QCoreApplication::exit(1); });
  watchdog.start(10000);
  QTimer::singleShot(0, &form, &QWidget::close);
  EXPECT_EQ(QApplication::exec(), 0);
  EXPECT_FALSE(form.isVisible());
  EXPECT_TRUE(errors.Shown().isEmpty());
}

}  // namespace
