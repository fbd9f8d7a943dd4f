#pragma once

#include <QStringList>

namespace app {

// The items of the time-zone list: GMT -12 to GMT +13 as items 0 to 25, and
// local apparent time as the last. The design run knows a zone only by its
// index, so the order is fixed.
QStringList TimeZoneItems();

}  // namespace app
