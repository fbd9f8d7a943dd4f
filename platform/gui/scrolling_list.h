#pragma once

class QComboBox;

namespace platform::gui {

// Makes a pick-only drop-down list open as a list of at most its
// maxVisibleItems() rows that scrolls, under every style. Some styles (Fusion
// among them) open a pick-only list as a menu of all its items instead.
void OpenAsScrollingList(QComboBox* list);

}  // namespace platform::gui
