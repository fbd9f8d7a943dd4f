#include "design/hour_lines.h"

#include <array>
#include <string>
#include <vector>

#include "design/clock_direction.h"
#include "design/plate_edge.h"
#include "design/style_feet.h"
#include "design/sub_hour_lines.h"
#include "drawing/angle_text.h"
#include "drawing/point.h"

namespace design {
namespace {

constexpr int kHours = 24;
using HourTable = std::array<double, kHours>;
using HourFlags = std::array<bool, kHours>;

std::string HourNumber(int hour) { return std::to_string(hour <= 12 ? hour : hour - 12); }

std::string RowLabel(int hour) {
  return hour <= 12 ? std::to_string(hour) + " am" : std::to_string(hour - 12) + " pm";
}

// The hour's line, or the two lines of a thick style's split noon, and its
// number. A split pair's number stands between the two lines' ends; a
// single line's number by the edge its line ends on, whichever face it
// leaves from.
void DrawHour(drawing::DrawingSink& sink, int hour, double H, double theta, double thickness) {
  std::vector<drawing::Point> ends;
  for (const double footX : StyleFeet(H, thickness)) {
    ends.push_back(EndOnPlateEdge(footX, theta));
    sink.AddLine(footX, 0, ends.back().x, ends.back().y);
  }
  // Both ends of a split pair lie on the same edge, so their midpoint does.
  const drawing::Point numberAt =
      ends.size() == 1 ? ends.front()
                       : drawing::Point{(ends.front().x + ends.back().x) / 2, ends.back().y};
  const HourNumberPlace number = PlaceHourNumber(numberAt);
  sink.AddText(HourNumber(hour), number.rotation, number.point.x, number.point.y);
}

}  // namespace

void DrawHourLines(drawing::DrawingSink& sink, double latitude, double longitude,
                   const DialZone& zone, const DialOptions& options) {
  HourTable HourAngles{};
  HourFlags HourShown{};
  HourTable LineAngles{};

  // The direction the dial reads as noon is moved by the site's distance
  // from the meridian of its clock; local apparent time moves nothing.
  const double Correction = LongitudeCorrection(zone, longitude);
  const NightWindow night = NightWindowFor(latitude);
  for (int i = 0; i < kHours; ++i) {
    HourAngles[i] = ClockDirection(i, Correction, latitude);
    HourShown[i] = night.Shows(HourAngles[i]);
  }

  for (int i = 0; i < kHours; ++i) {
    if (!HourShown[i]) continue;
    LineAngles[i] = DialAngle(HourAngles[i], latitude);
    DrawHour(sink, i, HourAngles[i], LineAngles[i], options.styleThickness);
  }
  if (options.minuteStep > 0) {
    DrawSubHourLines(sink, latitude, Correction, options.minuteStep, options.styleThickness);
  }

  // The angle table beside the drawing: a row per clock hour, 0.1 apart,
  // a hidden hour's row left empty.
  for (int i = 0; i < kHours; ++i) {
    if (!HourShown[i]) continue;
    const double rowY = 1.5 - 0.1 * i;
    sink.AddText(RowLabel(i), 0, 3.5, rowY);
    sink.AddText(drawing::FormatDms(LineAngles[i]), 0, 4.25, rowY);
  }
}

}  // namespace design
