#include <QCheckBox>
#include <QComboBox>
#include <QFile>
#include <QFileDialog>
#include <QFileInfo>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>

#include "app/help_text.h"
#include "app/horizontal_form.h"
#include "app/time_zones.h"
#include "dxf/dxf_writer.h"
#include "platform/number_text.h"
#include "platform/paths.h"

namespace app {
namespace {

void PresetFileName(QFileDialog& dialog, const QString& fileName) {
  if (!fileName.isEmpty()) {
    dialog.selectFile(fileName);
    return;
  }
  // selectFile() ignores an empty name, which would leave the name of the
  // last run in the name box.
  if (auto* nameBox = dialog.findChild<QLineEdit*>(QStringLiteral("fileNameEdit"))) {
    nameBox->clear();
  }
}

}  // namespace

void THorizontalForm::GoButtonClick() {
  dxf::DxfWriter drawing;
  const std::string fileName = QFile::encodeName(FileName->text()).toStdString();
  design::RunDesign(DesignInputsFromControls(), platform::DecimalSeparator(), *this,
                    {{&drawing, fileName}});
}

design::DesignInputs THorizontalForm::DesignInputsFromControls() const {
  const auto text = [](const QLineEdit* box) { return box->text().toStdString(); };
  design::DesignInputs inputs;
  inputs.longitude = {text(LongDegrees), text(LongMinutes), text(LongSeconds)};
  inputs.latitude = {text(LatDegrees), text(LatMinutes), text(LatSeconds)};
  inputs.zone = ZoneOfItem(TimeZone->currentIndex(), DaylightSaving->isChecked());
  return inputs;
}

void THorizontalForm::ShowStatus(const std::string& text, bool repaintNow) {
  Label3->setText(QString::fromStdString(text));
  Label3->adjustSize();
  if (repaintNow) Label3->repaint();
}

void THorizontalForm::BrowseButtonClick() {
  const QString fileName = FileName->text();
  const std::string folder = platform::ExtractFilePath(fileName.toStdString());
  if (folder.empty()) {
    // Without a folder the dialog opens where it would by itself.
    PresetFileName(*SaveDialog1, fileName);
  } else {
    SaveDialog1->setDirectory(QString::fromStdString(folder));
    // The dialog reads a relative name from its own folder, which would
    // apply the folder part twice.
    PresetFileName(*SaveDialog1, QFileInfo(fileName).absoluteFilePath());
  }
  if (SaveDialog1->exec() == QDialog::Accepted) {
    FileName->setText(SaveDialog1->selectedFiles().value(0));
  }
}

void THorizontalForm::HelpButtonClick() {
  QMessageBox box(QMessageBox::Information, QLatin1String(kHelpTitle), HelpText(),
                  QMessageBox::Ok, this);
  box.setTextFormat(Qt::PlainText);
  box.setWindowModality(Qt::ApplicationModal);
  box.exec();
}

}  // namespace app
