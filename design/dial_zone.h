#pragma once

namespace design {

// The time a dial reads: the clock of a whole-hour zone, with or without
// daylight saving, or the sun's own time at the site.
struct DialZone {
  enum class Kind {
    // The clock of the zone `gmtOffset` hours east of Greenwich (-12 to 13).
    GmtOffset,
    // No zone chosen: the dial reads the clock 13 hours behind Greenwich,
    // what the window has always drawn with an empty time-zone list.
    NotChosen,
    // Local apparent time: no longitude or zone correction, no daylight
    // saving.
    LocalApparentTime,
  };

  Kind kind = Kind::GmtOffset;
  int gmtOffset = 0;
  bool daylightSaving = false;

  static DialZone Gmt(int offset, bool daylightSaving = false) {
    return {Kind::GmtOffset, offset, daylightSaving};
  }
  static DialZone NotChosen(bool daylightSaving = false) {
    return {Kind::NotChosen, 0, daylightSaving};
  }
  static DialZone LocalApparentTime() { return {Kind::LocalApparentTime, 0, false}; }
};

// The meridian whose time the dial reads, degrees west positive: 15 for each
// hour behind Greenwich, 15 less with daylight saving; the site's own
// longitude for local apparent time.
double ZoneMeridian(const DialZone& zone, double longitude);

}  // namespace design
