#pragma once

#include <string>
#include <string_view>

#include "design/design_inputs.h"
#include "design/dial_zone.h"
#include "drawing/print_length.h"
#include "pdf/paper.h"

// The values of single options, each checked as strictly as its help line
// describes it. Each throws UsageError.
namespace cli {

// --zone: a GMT offset from -12 to +13 in whole hours, "LAT" or "none".
design::DialZone ZoneValue(std::string_view text, bool daylightSaving);

// --gnomon-length: a number with "." as its decimal point, followed at once
// by mm, cm or in, from a micrometre to a kilometre.
drawing::PrintLength GnomonLengthValue(std::string_view text);

// --paper: a4, letter or a3.
pdf::Paper PaperValue(std::string_view text);

// --lat, --long: decimal degrees, or degrees, minutes and seconds separated
// by colons; the parts not written are "0". `option` names the option in a
// message.
design::AngleTexts CoordinateValue(std::string_view text, std::string_view option);

}  // namespace cli
