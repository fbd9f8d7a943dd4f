#pragma once

#include <QWidget>

#include <string>

#include "app/settings_paths.h"
#include "design/design_inputs.h"
#include "design/design_run.h"

class QCheckBox;
class QComboBox;
class QFileDialog;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;

namespace app {

// The program's one window: the site, the time the dial reads and the output
// file, with "Browse", "Help" and "Go!". Its inputs come from the settings
// file when it is created and go back there when it is destroyed.
class THorizontalForm : public QWidget, public design::StatusLine {
  Q_OBJECT

 public:
  explicit THorizontalForm(std::string settingsFileName = DefaultSettingsFileName());
  ~THorizontalForm() override;

  QGroupBox* Longitude;
  QGroupBox* Lattitude;
  QLabel* Label1;
  QComboBox* TimeZone;
  QLabel* Label2;
  QLineEdit* FileName;
  QPushButton* BrowseButton;
  QPushButton* GoButton;
  QLabel* Label3;
  QLineEdit* LongDegrees;
  QLineEdit* LongMinutes;
  QLineEdit* LongSeconds;
  QLabel* Label4;
  QLabel* Label5;
  QLabel* Label6;
  QLabel* Label7;
  QLabel* Label8;
  QLabel* Label9;
  QLineEdit* LatDegrees;
  QLineEdit* LatMinutes;
  QLineEdit* LatSeconds;
  QPushButton* HelpButton;
  QFileDialog* SaveDialog1;
  QCheckBox* DaylightSaving;

  // Loads the settings file into the controls.
  void FormCreate();
  // Saves the controls into the settings file.
  void FormDestroy();
  void BrowseButtonClick();
  void HelpButtonClick();
  // The design run: the drawing goes to the file named in FileName.
  void GoButtonClick();

  // The status line is Label3.
  void ShowStatus(const std::string& text, bool repaintNow) override;

 protected:
  bool event(QEvent* event) override;
  void showEvent(QShowEvent* event) override;

 private:
  void CreateControls();
  void SetUpSaveDialog();
  void ConnectCommands();
  void SetTabOrder();
  void FitOuterSize();
  void CenterOnScreen();
  design::DesignInputs DesignInputsFromControls() const;

  std::string settingsFileName_;
  bool shownBefore_ = false;
  bool frameFitted_ = false;
};

}  // namespace app
