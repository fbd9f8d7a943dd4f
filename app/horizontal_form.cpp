#include "app/horizontal_form.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QFileDialog>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include <array>
#include <utility>

#include "app/application_title.h"
#include "app/status_label.h"
#include "app/time_zones.h"
#include "platform/gui/error_display.h"
#include "platform/gui/frame_fit.h"
#include "platform/gui/scrolling_list.h"

namespace app {
namespace {

// The window's size with its frame and caption: the controls stand at fixed
// pixel positions and need no more room than that.
constexpr QSize kOuterSize(458, 358);

// The status line may wrap onto a second line rather than run on under
// "Help"; it keeps this far from the button.
constexpr int kStatusGap = 8;

// A sizeable window without a maximise button.
constexpr Qt::WindowFlags kWindowFlags = Qt::Window | Qt::WindowTitleHint |
                                         Qt::WindowSystemMenuHint |
                                         Qt::WindowMinimizeButtonHint | Qt::WindowCloseButtonHint;

QFont WindowFont() {
  QFont font(QStringLiteral("Sans Serif"));
  font.setStyleHint(QFont::SansSerif);
  font.setPixelSize(13);
  return font;
}

// The window and everything in it take the button-face colour.
QPalette ButtonFacePalette(QPalette palette) {
  for (QPalette::ColorGroup group : {QPalette::Active, QPalette::Inactive, QPalette::Disabled}) {
    palette.setColor(group, QPalette::Window, palette.color(group, QPalette::Button));
  }
  return palette;
}

template <typename Control>
Control* Place(QWidget* parent, const char* name, const QRect& geometry) {
  auto* control = new Control(parent);
  control->setObjectName(QLatin1String(name));
  control->setGeometry(geometry);
  return control;
}

template <typename Button>
Button* PlaceButton(QWidget* parent, const char* name, const char* caption,
                    const QRect& geometry) {
  auto* button = Place<Button>(parent, name, geometry);
  button->setText(QLatin1String(caption));
  return button;
}

QGroupBox* PlaceGroupBox(QWidget* parent, const char* name, const char* caption,
                         const QRect& geometry) {
  auto* box = Place<QGroupBox>(parent, name, geometry);
  box->setTitle(QLatin1String(caption));
  return box;
}

// A label is as wide as its caption; only its top left corner is fixed.
QLabel* PlaceLabel(QWidget* parent, const char* name, const char* caption,
                   const QPoint& topLeft) {
  auto* label = new QLabel(parent);
  label->setObjectName(QLatin1String(name));
  label->setTextFormat(Qt::PlainText);
  label->setText(QLatin1String(caption));
  label->move(topLeft);
  label->adjustSize();
  return label;
}

}  // namespace

THorizontalForm::THorizontalForm(std::string settingsFileName)
    : QWidget(nullptr, kWindowFlags), settingsFileName_(std::move(settingsFileName)) {
  setObjectName(QStringLiteral("HorizontalForm"));
  setWindowTitle(QLatin1String(kApplicationTitle));
  // The help and error boxes and the save dialog share the window's font.
  QApplication::setFont(WindowFont());
  setFont(WindowFont());
  setPalette(ButtonFacePalette(palette()));
  resize(kOuterSize);
  new platform::gui::FrameFit(this, kOuterSize);
  CreateControls();
  statusLine_ = std::make_unique<StatusLabel>(Label3, HelpButton->x() - kStatusGap - Label3->x());
  SetTabOrder();
  ConnectCommands();
  // Where the focus goes when the window first becomes active.
  LongDegrees->setFocus();
  platform::gui::RunGuarded([this] { FormCreate(); });
}

THorizontalForm::~THorizontalForm() {
  platform::gui::RunGuarded([this] { FormDestroy(); });
}

void THorizontalForm::CreateControls() {
  Longitude = PlaceGroupBox(this, "Longitude", " Local Longitude ", {16, 8, 193, 137});
  Label4 = PlaceLabel(Longitude, "Label4", "Degrees", {16, 36});
  Label5 = PlaceLabel(Longitude, "Label5", "Minutes", {16, 68});
  Label6 = PlaceLabel(Longitude, "Label6", "Seconds", {16, 100});
  LongDegrees = Place<QLineEdit>(Longitude, "LongDegrees", {96, 32, 73, 24});
  LongMinutes = Place<QLineEdit>(Longitude, "LongMinutes", {96, 64, 73, 24});
  LongSeconds = Place<QLineEdit>(Longitude, "LongSeconds", {96, 96, 73, 24});

  Lattitude = PlaceGroupBox(this, "Lattitude", " Local Lattitude ", {240, 8, 193, 137});
  Label7 = PlaceLabel(Lattitude, "Label7", "Degrees", {20, 36});
  Label8 = PlaceLabel(Lattitude, "Label8", "Minutes", {19, 68});
  Label9 = PlaceLabel(Lattitude, "Label9", "Seconds", {19, 100});
  LatDegrees = Place<QLineEdit>(Lattitude, "LatDegrees", {96, 32, 73, 24});
  LatMinutes = Place<QLineEdit>(Lattitude, "LatMinutes", {96, 64, 73, 24});
  LatSeconds = Place<QLineEdit>(Lattitude, "LatSeconds", {96, 96, 73, 24});

  Label1 = PlaceLabel(this, "Label1", "Time Zone for Dial Reading", {16, 164});
  TimeZone = Place<QComboBox>(this, "TimeZone", {208, 160, 225, 24});
  TimeZone->addItems(TimeZoneItems());
  TimeZone->setMaxVisibleItems(8);
  platform::gui::OpenAsScrollingList(TimeZone);
  // Filling the list selects its first item; the settings choose.
  TimeZone->setCurrentIndex(-1);
  DaylightSaving =
      PlaceButton<QCheckBox>(this, "DaylightSaving", "Daylight Saving Time", {208, 192, 225, 17});

  Label2 = PlaceLabel(this, "Label2", "Output File for Dial Drawing", {16, 216});
  FileName = Place<QLineEdit>(this, "FileName", {16, 240, 321, 24});
  BrowseButton = PlaceButton<QPushButton>(this, "BrowseButton", "Browse", {352, 240, 81, 25});
  GoButton = PlaceButton<QPushButton>(this, "GoButton", "Go!", {16, 280, 81, 33});
  Label3 = PlaceLabel(this, "Label3", "File not written.", {128, 288});
  HelpButton = PlaceButton<QPushButton>(this, "HelpButton", "Help", {352, 280, 81, 33});
}

void THorizontalForm::CreateSaveDialog() {
  SaveDialog1 = new QFileDialog(this);
  SaveDialog1->setObjectName(QStringLiteral("SaveDialog1"));
  // Qt's own dialog looks and behaves the same on every desktop.
  SaveDialog1->setOption(QFileDialog::DontUseNativeDialog);
  SaveDialog1->setOption(QFileDialog::DontConfirmOverwrite);
  SaveDialog1->setAcceptMode(QFileDialog::AcceptSave);
  SaveDialog1->setFileMode(QFileDialog::AnyFile);
  SaveDialog1->setDefaultSuffix(QStringLiteral("dxf"));
  SaveDialog1->setWindowTitle(QStringLiteral("Save Dial Drawing As..."));
  SaveDialog1->setSizeGripEnabled(true);
  // The dialog offers no choice of file types.
  for (const char* name : {"fileTypeLabel", "fileTypeCombo"}) {
    if (auto* control = SaveDialog1->findChild<QWidget*>(QLatin1String(name))) control->hide();
  }
}

void THorizontalForm::SetTabOrder() {
  // "Browse" is reached by the mouse only.
  BrowseButton->setFocusPolicy(Qt::ClickFocus);
  const std::array<QWidget*, 11> order{LongDegrees, LongMinutes, LongSeconds, LatDegrees,
                                       LatMinutes,  LatSeconds,  TimeZone,    FileName,
                                       GoButton,    HelpButton,  DaylightSaving};
  for (std::size_t i = 1; i < order.size(); ++i) setTabOrder(order[i - 1], order[i]);
}

void THorizontalForm::ConnectCommands() {
  // Each command shows its own failure: an exception must not unwind
  // through the button's signal into Qt.
  const auto connectClick = [this](QPushButton* button, void (THorizontalForm::*handler)()) {
    connect(button, &QPushButton::clicked, this,
            [this, handler] { platform::gui::RunGuarded([this, handler] { (this->*handler)(); }); });
  };
  connectClick(BrowseButton, &THorizontalForm::BrowseButtonClick);
  connectClick(GoButton, &THorizontalForm::GoButtonClick);
  connectClick(HelpButton, &THorizontalForm::HelpButtonClick);
}

}  // namespace app
