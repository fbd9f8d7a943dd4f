#include "app/status_label.h"

#include <QLabel>

namespace app {

StatusLabel::StatusLabel(QLabel* label, int maxWidth) : label_(label), maxWidth_(maxWidth) {}

void StatusLabel::ShowStatus(const std::string& text, bool repaintNow) {
  label_->setText(QString::fromStdString(text));
  label_->setWordWrap(false);
  const QSize oneLine = label_->sizeHint();
  if (oneLine.width() <= maxWidth_) {
    label_->resize(oneLine);
  } else {
    label_->setWordWrap(true);
    label_->resize(maxWidth_, label_->heightForWidth(maxWidth_));
  }
  if (repaintNow) label_->repaint();
}

}  // namespace app
