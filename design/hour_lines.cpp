#include "design/hour_lines.h"

#include <array>
#include <cmath>
#include <string>

#include "dxf/angle_text.h"

namespace design {
namespace {

constexpr int kHours = 24;
using HourTable = std::array<double, kHours>;
using HourFlags = std::array<bool, kHours>;

// Directions of the plate's corners (0.5, 1), (-0.5, 1), (-0.5, -0.25) and
// (0.5, -0.25), rounded to five decimals as the drawing has always used them.
constexpr double kTopRightCorner = 63.43495;
constexpr double kTopLeftCorner = 116.56505;
constexpr double kBottomLeftCorner = 206.56505;
constexpr double kBottomRightCorner = 333.43495;

struct NightWindow {
  double HideFrom;
  double HideTo;
};

// Hour directions: midnight 270, six 180, noon 90, eighteen 0, then on
// round from 345 at nineteen.
HourTable InitialHourAngles() {
  HourTable HourAngles{};
  for (int i = 0; i < kHours; ++i) {
    double angle = 270 - 15 * i;
    if (angle < 0) angle = angle + 360;
    HourAngles[i] = angle;
  }
  return HourAngles;
}

// The direction the dial reads as noon is moved by the site's distance from
// the meridian of its clock; local apparent time moves nothing.
double ZoneCorrection(double longitude, const ZoneChoice& zone) {
  double ZoneMeridian;
  if (zone.itemIndex == zone.itemCount - 1) {
    ZoneMeridian = longitude;
  } else {
    ZoneMeridian = (12 - zone.itemIndex) * 15;
    if (zone.daylightSaving) ZoneMeridian = ZoneMeridian - 15;
  }
  return longitude - ZoneMeridian;
}

// Mirrors a direction about the noon-midnight axis, for southern sites.
double MirrorForSouth(double angle) {
  while (angle > 360) angle = angle - 360;
  if (angle > 180) return (360 - angle) + 180;
  return 180 - angle;
}

// The directions that lie in the night at this latitude; above 66 degrees
// the window is empty.
NightWindow NightWindowFor(double latitude) {
  const double a = std::fabs(latitude);
  NightWindow w{195, 345};
  if (a > 27) w = {210, 330};
  if (a > 46) w = {225, 315};
  if (a > 57) w = {240, 300};
  if (a > 65) w = {255, 285};
  if (a > 66) w = {271, 270};
  return w;
}

double IntoCircle(double angle) {
  while (angle < 0) angle = angle + 360;
  while (angle > 360) angle = angle - 360;
  return angle;
}

// The horizontal-dial relation tan(theta - 90) = sin|lat| tan(H - 90), with
// theta kept in the same quarter of the circle as H.
double DialAngle(double H, double latitude, double DegToRad) {
  if (std::fmod(H, 90) == 0) return H;
  const double t = std::tan((H - 90) * DegToRad);
  double theta = std::atan(std::sin(std::fabs(latitude) * DegToRad) * t) / DegToRad + 90;
  if (H > 180) theta = theta + 180;
  return theta;
}

// Where the hour line through the origin at angle theta leaves the plate.
void EndOnPlateEdge(Pen& pen, double theta, double DegToRad) {
  const double slope = std::tan(theta * DegToRad);
  if (theta < kTopRightCorner || theta > kBottomRightCorner) {
    pen.EndX = 0.5;
    pen.EndY = 0.5 * slope;
  } else if (theta < kTopLeftCorner) {
    pen.EndX = 1 / slope;
    pen.EndY = 1.0;
  } else if (theta < kBottomLeftCorner) {
    pen.EndX = -0.5;
    pen.EndY = -0.5 * slope;
  } else {
    pen.EndX = -0.25 / slope;
    pen.EndY = -0.25;
  }
}

// Moves the pen's end 0.09 outside the edge the line ended on and returns
// the number's rotation. The edge values were stored exactly, so the
// comparisons are exact.
double PlaceHourNumber(Pen& pen) {
  if (pen.EndX == 0.5) {
    pen.EndX = 0.59;
    return 90;
  }
  if (pen.EndX == -0.5) {
    pen.EndX = -0.59;
    return 270;
  }
  if (pen.EndY == 1.0) {
    pen.EndY = 1.09;
    return 180;
  }
  pen.EndY = -0.34;
  return 0;
}

std::string HourNumber(int hour) { return std::to_string(hour <= 12 ? hour : hour - 12); }

std::string RowLabel(int hour) {
  return hour <= 12 ? std::to_string(hour) + " am" : std::to_string(hour - 12) + " pm";
}

}  // namespace

void DrawHourLines(DrawingContext& c, double latitude, double longitude, const ZoneChoice& zone) {
  HourTable HourAngles = InitialHourAngles();
  HourFlags HourShown{};
  HourTable LineAngles{};

  const double Correction = ZoneCorrection(longitude, zone);
  for (double& angle : HourAngles) angle = angle + Correction;
  if (latitude < 0) {
    for (double& angle : HourAngles) angle = MirrorForSouth(angle);
  }

  const auto [HideFrom, HideTo] = NightWindowFor(latitude);
  for (int i = 0; i < kHours; ++i) {
    HourAngles[i] = IntoCircle(HourAngles[i]);
    HourShown[i] = HourAngles[i] < HideFrom || HourAngles[i] > HideTo;
  }

  c.pen.StartX = 0;
  c.pen.StartY = 0;
  for (int i = 0; i < kHours; ++i) {
    if (!HourShown[i]) continue;
    LineAngles[i] = DialAngle(HourAngles[i], latitude, c.DegToRad);
    EndOnPlateEdge(c.pen, LineAngles[i], c.DegToRad);
    c.sink.AddLine(c.pen.StartX, c.pen.StartY, c.pen.EndX, c.pen.EndY);
    const double rotation = PlaceHourNumber(c.pen);
    c.sink.AddText(HourNumber(i), rotation, c.pen.EndX, c.pen.EndY);
  }

  for (int i = 0; i < kHours; ++i) {
    if (!HourShown[i]) continue;
    c.pen.StartX = 3.5;
    c.pen.StartY = 1.5 - 0.1 * i;
    c.sink.AddText(RowLabel(i), 0, c.pen.StartX, c.pen.StartY);
    c.pen.StartX = 4.25;
    c.sink.AddText(dxf::FormatDms(LineAngles[i]), 0, c.pen.StartX, c.pen.StartY);
  }
}

}  // namespace design
