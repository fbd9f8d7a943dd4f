#include "design/sub_hour_lines.h"

#include "design/clock_direction.h"
#include "design/plate_edge.h"
#include "design/style_feet.h"

namespace design {

double SubHourLineStart(int minute) {
  if (minute == 30) return 0.5;
  if (minute % 15 == 0) return 0.65;
  return 0.8;
}

void DrawSubHourLines(drawing::DrawingSink& sink, double latitude, double correction,
                      int minuteStep, double thickness) {
  const NightWindow night = NightWindowFor(latitude);
  for (int hour = 0; hour < 24; ++hour) {
    for (int minute = minuteStep; minute < 60; minute += minuteStep) {
      const double H = ClockDirection(hour + minute / 60.0, correction, latitude);
      if (!night.Shows(H)) continue;
      const double theta = DialAngle(H, latitude);
      const double start = SubHourLineStart(minute);
      for (const double footX : StyleFeet(H, thickness)) {
        const drawing::Point end = EndOnPlateEdge(footX, theta);
        sink.AddSubHourLine(footX + start * (end.x - footX), start * end.y, end.x, end.y);
      }
    }
  }
}

}  // namespace design
