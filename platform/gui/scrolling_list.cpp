#include "platform/gui/scrolling_list.h"

#include <QApplication>
#include <QComboBox>
#include <QProxyStyle>
#include <QStyleFactory>

namespace platform::gui {
namespace {

// The application's style, except that a drop-down list opens as a list.
class ScrollingListStyle : public QProxyStyle {
 public:
  using QProxyStyle::QProxyStyle;

  int styleHint(StyleHint hint, const QStyleOption* option, const QWidget* widget,
                QStyleHintReturn* returnData) const override {
    if (hint == SH_ComboBox_Popup) return 0;
    return QProxyStyle::styleHint(hint, option, widget, returnData);
  }
};

}  // namespace

void OpenAsScrollingList(QComboBox* list) {
  // A proxy without a base would take the desktop's style, not the one the
  // application runs with.
  auto* style = new ScrollingListStyle(QStyleFactory::create(QApplication::style()->name()));
  style->setParent(list);
  list->setStyle(style);
}

}  // namespace platform::gui
