#pragma once

#include <QWidget>

#include <memory>
#include <string>

#include "app/settings_paths.h"
#include "design/design_inputs.h"

class QCheckBox;
class QComboBox;
class QFileDialog;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;

namespace app {

class StatusLabel;

// The program's one window: the site, the time the dial reads and the output
// file, with "Browse", "Help" and "Go!". Its inputs come from the settings
// file when it is created and go back there when it is destroyed.
//
// The class, its controls and its handlers keep the window's established
// names (THorizontalForm, Label3, SaveDialog1, FormCreate, ...), unlike the
// rest of our code: they are the names the window's documentation and its
// users know, each control's object name is its member's name, and the
// settings table finds the controls by them.
class THorizontalForm : public QWidget {
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
  // Made when "Browse" is first pressed: most starts never need it.
  QFileDialog* SaveDialog1 = nullptr;
  QCheckBox* DaylightSaving;

  // Loads the settings file into the controls.
  void FormCreate();
  // Saves the controls into the settings file.
  void FormDestroy();
  void BrowseButtonClick();
  void HelpButtonClick();
  // The design run: the drawing goes to the file named in FileName.
  void GoButtonClick();

 private:
  void CreateControls();
  void CreateSaveDialog();
  void ConnectCommands();
  void SetTabOrder();
  design::DesignInputs DesignInputsFromControls() const;

  std::string settingsFileName_;
  std::unique_ptr<StatusLabel> statusLine_;
};

}  // namespace app
