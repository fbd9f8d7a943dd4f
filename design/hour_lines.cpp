#include "design/hour_lines.h"

#include <array>
#include <cmath>
#include <string>

#include "design/deg_to_rad.h"
#include "design/plate_geometry.h"
#include "drawing/angle_text.h"
#include "drawing/point.h"

namespace design {
namespace {

constexpr int kHours = 24;
using HourTable = std::array<double, kHours>;
using HourFlags = std::array<bool, kHours>;

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
double DialAngle(double H, double latitude) {
  if (std::fmod(H, 90) == 0) return H;
  const double t = std::tan((H - 90) * DegToRad);
  double theta = std::atan(std::sin(std::fabs(latitude) * DegToRad) * t) / DegToRad + 90;
  if (H > 180) theta = theta + 180;
  return theta;
}

// Where the hour line through the origin at angle theta leaves the plate.
drawing::Point EndOnPlateEdge(double theta) {
  const double slope = std::tan(theta * DegToRad);
  if (theta < kTopRightCorner || theta > kBottomRightCorner) {
    return {kPlateHalfWidth, kPlateHalfWidth * slope};
  }
  if (theta < kTopLeftCorner) return {kPlateTop / slope, kPlateTop};
  if (theta < kBottomLeftCorner) return {-kPlateHalfWidth, -kPlateHalfWidth * slope};
  return {kPlateBottom / slope, kPlateBottom};
}

struct HourNumberPlace {
  drawing::Point point;
  double rotation;
};

// The number goes 0.09 outside the edge the line ended on, turned to face
// away from the plate. The edge values were stored exactly, so the
// comparisons are exact.
HourNumberPlace PlaceHourNumber(drawing::Point end) {
  if (end.x == kPlateHalfWidth) return {{kNumberRight, end.y}, 90};
  if (end.x == -kPlateHalfWidth) return {{kNumberLeft, end.y}, 270};
  if (end.y == kPlateTop) return {{end.x, kNumberTop}, 180};
  return {{end.x, kNumberBottom}, 0};
}

std::string HourNumber(int hour) { return std::to_string(hour <= 12 ? hour : hour - 12); }

std::string RowLabel(int hour) {
  return hour <= 12 ? std::to_string(hour) + " am" : std::to_string(hour - 12) + " pm";
}

}  // namespace

void DrawHourLines(drawing::DrawingSink& sink, double latitude, double longitude,
                   const DialZone& zone) {
  HourTable HourAngles = InitialHourAngles();
  HourFlags HourShown{};
  HourTable LineAngles{};

  // The direction the dial reads as noon is moved by the site's distance
  // from the meridian of its clock; local apparent time moves nothing.
  const double Correction = longitude - ZoneMeridian(zone, longitude);
  for (double& angle : HourAngles) angle = angle + Correction;
  if (latitude < 0) {
    for (double& angle : HourAngles) angle = MirrorForSouth(angle);
  }

  const auto [HideFrom, HideTo] = NightWindowFor(latitude);
  for (int i = 0; i < kHours; ++i) {
    HourAngles[i] = IntoCircle(HourAngles[i]);
    HourShown[i] = HourAngles[i] < HideFrom || HourAngles[i] > HideTo;
  }

  for (int i = 0; i < kHours; ++i) {
    if (!HourShown[i]) continue;
    LineAngles[i] = DialAngle(HourAngles[i], latitude);
    const drawing::Point end = EndOnPlateEdge(LineAngles[i]);
    sink.AddLine(0, 0, end.x, end.y);
    const HourNumberPlace number = PlaceHourNumber(end);
    sink.AddText(HourNumber(i), number.rotation, number.point.x, number.point.y);
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
