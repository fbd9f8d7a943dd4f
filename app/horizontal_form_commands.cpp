#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>

#include <algorithm>

#include "app/help_text.h"
#include "app/horizontal_form.h"
#include "app/status_label.h"
#include "app/time_zones.h"
#include "dxf/dxf_writer.h"
#include "platform/gui/system_text.h"
#include "platform/number_text.h"

namespace app {
namespace {

using platform::gui::SystemBytesFromText;

// Where the dialog opens for a typed file name, and the name it offers.
struct DialogStart {
  QString folder;  // empty: the dialog's own choice
  QString name;
};

// A name with a folder opens in that folder, or in the nearest one above it
// that exists, so that the folder and name the user sees are the file that
// confirming gives. A name ending in "/" names a folder and offers no name.
DialogStart StartFor(const QString& fileName) {
  const qsizetype slash = fileName.lastIndexOf(u'/');
  if (slash < 0) return {QString(), fileName};
  QString folder = QDir::cleanPath(QDir::current().absoluteFilePath(fileName.left(slash + 1)));
  while (!QFileInfo(folder).isDir() && !QDir(folder).isRoot()) folder = QFileInfo(folder).path();
  return {folder, fileName.mid(slash + 1)};
}

void PresetFileName(QFileDialog& dialog, const QString& name) {
  if (!name.isEmpty()) {
    dialog.selectFile(name);
    return;
  }
  // selectFile() ignores an empty name, which would leave the name of the
  // last run in the name box.
  if (auto* nameBox = dialog.findChild<QLineEdit*>(QStringLiteral("fileNameEdit"))) {
    nameBox->clear();
  }
}

// The help box is wide enough for each of these lines of the help text to
// stand on a line of its own; the longer paragraph wraps.
constexpr int kUnwrappedHelpLines = 3;

int HelpWidth(const QFontMetrics& metrics) {
  const QStringList lines = HelpText().split(u'\n');
  int width = 0;
  for (qsizetype i = 0; i < std::min<qsizetype>(lines.size(), kUnwrappedHelpLines); ++i) {
    width =
        std::max(width, metrics.size(Qt::TextSingleLine | Qt::TextExpandTabs, lines[i]).width());
  }
  return width;
}

}  // namespace

void THorizontalForm::GoButtonClick() {
  dxf::DxfWriter drawing;
  design::RunDesign(DesignInputsFromControls(), platform::DecimalSeparator(), *statusLine_,
                    {{&drawing, SystemBytesFromText(FileName->text())}});
}

design::DesignInputs THorizontalForm::DesignInputsFromControls() const {
  const auto text = [](const QLineEdit* box) { return SystemBytesFromText(box->text()); };
  design::DesignInputs inputs;
  inputs.longitude = {text(LongDegrees), text(LongMinutes), text(LongSeconds)};
  inputs.latitude = {text(LatDegrees), text(LatMinutes), text(LatSeconds)};
  inputs.zone = ZoneOfItem(TimeZone->currentIndex(), DaylightSaving->isChecked());
  return inputs;
}

void THorizontalForm::BrowseButtonClick() {
  if (SaveDialog1 == nullptr) CreateSaveDialog();
  const DialogStart start = StartFor(FileName->text());
  if (!start.folder.isEmpty()) SaveDialog1->setDirectory(start.folder);
  PresetFileName(*SaveDialog1, start.name);
  if (SaveDialog1->exec() == QDialog::Accepted) {
    FileName->setText(SaveDialog1->selectedFiles().value(0));
  }
}

void THorizontalForm::HelpButtonClick() {
  QMessageBox box(QMessageBox::Information, QLatin1String(kHelpTitle), HelpText(),
                  QMessageBox::Ok, this);
  box.setTextFormat(Qt::PlainText);
  box.setWindowModality(Qt::ApplicationModal);
  if (auto* text = box.findChild<QLabel*>(QStringLiteral("qt_msgbox_label"))) {
    // The box's label sets its text in from the left by its indent.
    const QMargins margins = text->contentsMargins();
    text->setMinimumWidth(HelpWidth(text->fontMetrics()) + std::max(text->indent(), 0) +
                          2 * text->margin() + margins.left() + margins.right());
  }
  box.exec();
}

}  // namespace app
