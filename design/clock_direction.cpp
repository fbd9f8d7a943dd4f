#include "design/clock_direction.h"

#include <cmath>

#include "design/deg_to_rad.h"

namespace design {
namespace {

constexpr double kDegreesPerHour = 15;

// Mirrors a direction about the noon-midnight axis, for southern sites.
double MirrorForSouth(double angle) {
  while (angle > 360) angle = angle - 360;
  if (angle > 180) return (360 - angle) + 180;
  return 180 - angle;
}

double IntoCircle(double angle) {
  while (angle < 0) angle = angle + 360;
  while (angle > 360) angle = angle - 360;
  return angle;
}

}  // namespace

double ClockDirection(double clockHour, double correction, double latitude) {
  // Midnight 270, eighteen 0, then on round from 345 at nineteen.
  double angle = 270 - kDegreesPerHour * clockHour;
  if (angle < 0) angle = angle + 360;
  angle = angle + correction;
  if (latitude < 0) angle = MirrorForSouth(angle);
  return IntoCircle(angle);
}

double LongitudeCorrection(const DialZone& zone, double longitude) {
  return longitude - ZoneMeridian(zone, longitude);
}

// Above 66 degrees the window is empty.
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

double DialAngle(double H, double latitude) {
  if (std::fmod(H, 90) == 0) return H;
  const double t = std::tan((H - 90) * DegToRad);
  double theta = std::atan(std::sin(std::fabs(latitude) * DegToRad) * t) / DegToRad + 90;
  if (H > 180) theta = theta + 180;
  return theta;
}

}  // namespace design
