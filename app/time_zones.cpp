#include "app/time_zones.h"

namespace app {
namespace {

// Item 12 is GMT itself; each item below or above it one hour further west
// or east.
constexpr int kGreenwichItem = 12;
constexpr int kLocalApparentTimeItem = 26;

}  // namespace

QStringList TimeZoneItems() {
  return {
      QStringLiteral("GMT -12   kwajalein"),
      QStringLiteral("GMT -11   Bering Time"),
      QStringLiteral("GMT -10   Alaska/Hawaii Time"),
      QStringLiteral("GMT -9   Yukon Time"),
      QStringLiteral("GMT -8   Pacific Time"),
      QStringLiteral("GMT -7   Mountain Time"),
      QStringLiteral("GMT -6   Central Time"),
      QStringLiteral("GMT -5   Eastern Time"),
      QStringLiteral("GMT -4   Atlantic Time"),
      QStringLiteral("GMT -3   Greenland"),
      QStringLiteral("GMT -2   Mid Atlantic"),
      QStringLiteral("GMT -1   Azores"),
      QStringLiteral("GMT   UK/Portugal"),
      QStringLiteral("GMT +1   Continental Europe"),
      QStringLiteral("GMT +2   Central Europe"),
      QStringLiteral("GMT +3   Moscow"),
      QStringLiteral("GMT +4   Abu Dhabi"),
      QStringLiteral("GMT +5   Ekatarinburg"),
      QStringLiteral("GMT +6   Novisibirsk"),
      QStringLiteral("GMT +7   Bangkok"),
      QStringLiteral("GMT +8   Singapore"),
      QStringLiteral("GMT +9   Tokyo"),
      QStringLiteral("GMT +10   Brisbane"),
      QStringLiteral("GMT +11   Solomon Islands"),
      QStringLiteral("GMT +12   New Zealand"),
      QStringLiteral("GMT +13   Nuku'alofa"),
      QStringLiteral("Local Apparent Time (LAT)"),
  };
}

design::DialZone ZoneOfItem(int index, bool daylightSaving) {
  if (index == kLocalApparentTimeItem) return design::DialZone::LocalApparentTime();
  if (index < 0 || index > kLocalApparentTimeItem) return design::DialZone::NotChosen(daylightSaving);
  return design::DialZone::Gmt(index - kGreenwichItem, daylightSaving);
}

}  // namespace app
