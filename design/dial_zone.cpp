#include "design/dial_zone.h"

namespace design {
namespace {

constexpr int kDegreesPerHour = 15;
// The offset an unchosen zone stands for.
constexpr int kNotChosenOffset = -13;

}  // namespace

double ZoneMeridian(const DialZone& zone, double longitude) {
  if (zone.kind == DialZone::Kind::LocalApparentTime) return longitude;
  const int offset = zone.kind == DialZone::Kind::NotChosen ? kNotChosenOffset : zone.gmtOffset;
  double meridian = -offset * kDegreesPerHour;
  if (zone.daylightSaving) meridian = meridian - kDegreesPerHour;
  return meridian;
}

}  // namespace design
