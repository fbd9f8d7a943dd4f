#pragma once

#include <string>

#include "design/design_run.h"

class QLabel;

namespace app {

// The window's status line as the design run sees it: a label that keeps its
// top left corner, is as wide as its text up to `maxWidth`, and wraps a
// longer text onto further lines, so that every status text is seen whole.
class StatusLabel : public design::StatusLine {
 public:
  StatusLabel(QLabel* label, int maxWidth);

  void ShowStatus(const std::string& text, bool repaintNow) override;

 private:
  QLabel* label_;
  int maxWidth_;
};

}  // namespace app
