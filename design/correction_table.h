#pragma once

#include <string>

#include "design/dial_zone.h"
#include "drawing/drawing_sink.h"

namespace design {

// Whether the correction table belongs on a dial reading `zone`. The hour
// lines of a clock-time dial already hold the longitude, zone and
// daylight-saving corrections, so the equation of time alone turns its
// reading into clock time; a dial on local apparent time holds none of
// them, and the table alone would mislead.
bool CorrectionTableApplies(const DialZone& zone);

// Why the table is left out on local apparent time, in one line.
inline constexpr const char* kNoCorrectionTableOnLat =
    "no equation-of-time table: a dial on local apparent time holds no longitude or zone "
    "correction, so the equation of time alone would not give clock time";

// The heading of the correction table.
inline constexpr const char* kCorrectionHeading = "Add to dial time";

// The time to add as the table shows it: "+14 min 12 s", "-0 min 30 s".
std::string CorrectionText(int addSeconds);

// The date as the table shows it: "Feb 15".
std::string DateLabel(int month, int day);

// The table of CorrectionTable() beside the table of hour-line angles: its
// heading, then a row per date, 0.1 apart, level with the angle table's
// rows.
void DrawCorrectionTable(drawing::DrawingSink& sink);

}  // namespace design
