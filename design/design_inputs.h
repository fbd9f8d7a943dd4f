#pragma once

#include <string>

#include "design/dial_zone.h"

namespace design {

// The three boxes of one coordinate, as typed.
struct AngleTexts {
  std::string degrees;
  std::string minutes;
  std::string seconds;
};

// Everything a design computes from: the site as typed and the time the dial
// reads.
struct DesignInputs {
  AngleTexts longitude;
  AngleTexts latitude;
  DialZone zone;
};

}  // namespace design
