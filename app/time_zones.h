#pragma once

#include <QStringList>

#include "design/dial_zone.h"

namespace app {

// The items of the time-zone list: GMT -12 to GMT +13 as items 0 to 25, and
// local apparent time as the last. The settings file stores an item by its
// index, so the order is fixed.
QStringList TimeZoneItems();

// The time a dial reads for the list's selected index (-1 when none is
// selected) and the daylight-saving box.
design::DialZone ZoneOfItem(int index, bool daylightSaving);

}  // namespace app
