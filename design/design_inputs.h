#pragma once

#include <string>

namespace design {

// The three boxes of one coordinate, as typed.
struct AngleTexts {
  std::string degrees;
  std::string minutes;
  std::string seconds;
};

// The time the dial reads: the time-zone list's selected index (-1 when none
// is selected), its number of items (the last is local apparent time), and
// whether daylight saving is ticked.
struct ZoneChoice {
  int itemIndex = 12;
  int itemCount = 27;
  bool daylightSaving = false;
};

// Everything a design run reads from the window's controls.
struct DesignInputs {
  AngleTexts longitude;
  AngleTexts latitude;
  ZoneChoice zone;
  std::string fileName;
};

}  // namespace design
