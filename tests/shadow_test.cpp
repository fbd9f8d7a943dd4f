// The sub-hour lines and a thick gnomon's lines checked against the shadow a
// polar style casts in three dimensions, worked out here from the sun's
// position, not from the dial formula the design uses.
#include <gtest/gtest.h>

#include <cmath>
#include <numbers>
#include <string>
#include <vector>

#include "design/dial_options.h"
#include "design/dial_zone.h"
#include "design/hour_lines.h"
#include "recording_sink.h"

namespace {

using design::DialZone;

constexpr double kRad = std::numbers::pi / 180;

struct Vec3 {
  double east, north, up;
};

struct Site {
  const char* name;
  double latitude;   // north positive
  double longitude;  // west positive
  DialZone zone;
  double zoneMeridian;  // west positive: the meridian whose mean time the clock keeps
};

void PrintTo(const Site& site, std::ostream* out) { *out << site.name; }

// The sun seen from the site when the clock reads `clockHours`, at
// declination `declination`: hour angle from the mean solar time at the
// site's own meridian (the equation of time left out, as a dial's lines
// leave it out).
Vec3 SunAt(const Site& site, double clockHours, double declination) {
  const double solarHours = clockHours - (site.longitude - site.zoneMeridian) / 15;
  const double h = 15 * (solarHours - 12) * kRad;
  const double d = declination * kRad;
  const double phi = site.latitude * kRad;
  return {-std::cos(d) * std::sin(h),
          std::sin(d) * std::cos(phi) - std::cos(d) * std::cos(h) * std::sin(phi),
          std::sin(d) * std::sin(phi) + std::cos(d) * std::cos(h) * std::cos(phi)};
}

// The direction on the ground of the shadow of a style parallel to the
// earth's axis, pointing at the pole above the horizon, from its foot:
// where the shadow of a point up the style falls, seen from the foot.
Vec3 StyleShadow(const Site& site, const Vec3& sun) {
  const double sign = site.latitude < 0 ? -1 : 1;
  const double phi = site.latitude * kRad;
  const Vec3 up{0, sign * std::cos(phi), sign * std::sin(phi)};
  const double along = up.up / sun.up;
  return {up.east - along * sun.east, up.north - along * sun.north, 0};
}

// The drawing has the noon line pointing up: north on a northern dial,
// south on a southern one, whose west then lies to the right.
double DrawingAngle(const Site& site, const Vec3& ground) {
  const double x = site.latitude < 0 ? -ground.east : ground.east;
  const double y = site.latitude < 0 ? -ground.north : ground.north;
  return std::atan2(y, x) / kRad;
}

double AngleOf(double dx, double dy) { return std::atan2(dy, dx) / kRad; }

bool SameAngle(double a, double b, double tolerance) {
  return std::fabs(std::remainder(a - b, 360.0)) <= tolerance;
}

bool OnPlateEdge(double x, double y) {
  return std::fabs(std::fabs(x) - 0.5) < 1e-12 || std::fabs(y - 1) < 1e-12 ||
         std::fabs(y + 0.25) < 1e-12;
}

// Summer declination, so that the sun is up for most of the drawn hours.
double SummerDeclination(const Site& site) { return site.latitude < 0 ? -23 : 23; }

const Site kSites[] = {
    {"north, west of its meridian", 51.5, 4.5, DialZone::Gmt(0), 0},
    {"north, east of its meridian, summer time", 47.4, -8.5, DialZone::Gmt(1, true), -30},
    {"north, west of its meridian, summer time", 38.9, 77.0, DialZone::Gmt(-5, true), 60},
    {"south, east of its meridian", -33.9, -151.2, DialZone::Gmt(10), -150},
    {"south, west of its meridian, summer time", -41.3, -174.8, DialZone::Gmt(12, true), -195},
    {"south, far west of its meridian", -34.6, 58.4, DialZone::Gmt(-3), 45},
};

class ShadowOf : public ::testing::TestWithParam<Site> {};

TEST_P(ShadowOf, SubHourLinesLieAlongTheStylesShadow) {
  const Site& site = GetParam();
  for (const int step : {30, 20, 15, 10, 5}) {
    SCOPED_TRACE(step);
    RecordingSink sink;
    design::DrawHourLines(sink, site.latitude, site.longitude, site.zone, {step, 0, false});
    std::vector<RecordedEntity> lines;
    for (const RecordedEntity& e : sink.entities) {
      if (e.kind == RecordedEntity::SubHourLine) lines.push_back(e);
    }
    std::size_t sunlit = 0;
    for (int hour = 0; hour < 24; ++hour) {
      for (int minute = step; minute < 60; minute += step) {
        const Vec3 sun = SunAt(site, hour + minute / 60.0, SummerDeclination(site));
        if (sun.up < 0.05) continue;
        ++sunlit;
        const double shadow = DrawingAngle(site, StyleShadow(site, sun));
        int found = 0;
        for (const RecordedEntity& line : lines) {
          // The line points along the shadow, and so does its start seen
          // from the foot: the line lies on the shadow's ray.
          if (!SameAngle(AngleOf(line.x2 - line.x1, line.y2 - line.y1), shadow, 1e-6) ||
              !SameAngle(AngleOf(line.x1, line.y1), shadow, 1e-6)) {
            continue;
          }
          ++found;
          EXPECT_TRUE(OnPlateEdge(line.x2, line.y2)) << line.x2 << ", " << line.y2;
          const double startsAt = std::hypot(line.x1, line.y1) / std::hypot(line.x2, line.y2);
          const double expected = minute == 30 ? 0.5 : minute % 15 == 0 ? 0.65 : 0.8;
          EXPECT_NEAR(startsAt, expected, 1e-9) << hour << ":" << minute;
        }
        EXPECT_EQ(found, 1) << hour << ":" << minute << " shadow at " << shadow;
      }
    }
    EXPECT_GT(sunlit, 10u);
    // No line for a time at which there is no hour line's daylight either.
    EXPECT_GE(lines.size(), sunlit);
    EXPECT_LE(lines.size(), 24u * (60 / step - 1));
  }
}

// The shadow of a thick gnomon falls on the side of it away from the sun;
// the edge of the face on that side casts the shadow's outer edge, which
// is what the hour line must meet.
TEST_P(ShadowOf, EachFaceCastsItsHoursOnTheirLines) {
  const Site& site = GetParam();
  const double thickness = 0.04;
  RecordingSink sink;
  design::DrawHourLines(sink, site.latitude, site.longitude, site.zone, {0, thickness, false});
  std::size_t sunlit = 0;
  for (int hour = 0; hour < 24; ++hour) {
    const Vec3 sun = SunAt(site, hour, SummerDeclination(site));
    if (sun.up < 0.05) continue;
    ++sunlit;
    const double shadow = DrawingAngle(site, StyleShadow(site, sun));
    // A face's edge is the style moved sideways, so its shadow is the
    // style's shadow moved as far: it leaves the foot of that face.
    const double faceX = std::cos(shadow * kRad) < 0 ? -thickness / 2 : thickness / 2;
    int found = 0;
    for (const RecordedEntity& e : sink.entities) {
      if (e.kind != RecordedEntity::Line || e.x1 != faceX || e.y1 != 0) continue;
      if (SameAngle(AngleOf(e.x2 - e.x1, e.y2 - e.y1), shadow, 1e-6)) ++found;
    }
    EXPECT_EQ(found, 1) << hour << " shadow at " << shadow;
  }
  EXPECT_GT(sunlit, 10u);
}

INSTANTIATE_TEST_SUITE_P(Sites, ShadowOf, ::testing::ValuesIn(kSites));

// At apparent noon the shadow lies under the gnomon, between its faces: the
// noon line is split into a line under each face, with one number between
// them. On local apparent time that is the hour 12.
TEST(ThickGnomon, SplitsTheNoonLineUnderItsFaces) {
  for (const double latitude : {51.5, -33.9}) {
    SCOPED_TRACE(latitude);
    RecordingSink sink;
    design::DrawHourLines(sink, latitude, 10, DialZone::LocalApparentTime(), {0, 0.06, false});
    std::vector<RecordedEntity> noon;
    const RecordedEntity* noonNumber = nullptr;
    for (std::size_t i = 0; i < sink.entities.size(); ++i) {
      const RecordedEntity& e = sink.entities[i];
      if (e.kind == RecordedEntity::Line && std::fabs(e.x2 - e.x1) < 1e-12) noon.push_back(e);
      if (e.kind == RecordedEntity::Text && e.text == "12") noonNumber = &e;
    }
    ASSERT_EQ(noon.size(), 2u);
    EXPECT_EQ(noon[0].x1, -0.03);
    EXPECT_EQ(noon[1].x1, 0.03);
    EXPECT_EQ(noon[0].y2, 1.0);
    ASSERT_NE(noonNumber, nullptr);
    EXPECT_NEAR(noonNumber->x1, 0, 1e-12);
    EXPECT_EQ(noonNumber->y1, 1.09);
    EXPECT_EQ(noonNumber->rotation, 180);
  }
}

// A shifted line ends where it meets the plate's edge, its number 0.09
// outside that edge, and the angle table still holds the thin style's
// angles.
TEST(ThickGnomon, EndsShiftedLinesOnThePlateEdgeAndKeepsTheTable) {
  RecordingSink thin;
  design::DrawHourLines(thin, 51.5, 0, DialZone::Gmt(0));
  RecordingSink thick;
  design::DrawHourLines(thick, 51.5, 0, DialZone::Gmt(0), {0, 0.1, false});
  std::vector<std::string> thinTable, thickTable;
  for (const RecordedEntity& e : thin.entities) {
    if (e.kind == RecordedEntity::Text && e.x1 >= 3.5) thinTable.push_back(e.text);
  }
  for (std::size_t i = 0; i < thick.entities.size(); ++i) {
    const RecordedEntity& e = thick.entities[i];
    if (e.kind == RecordedEntity::Text && e.x1 >= 3.5) thickTable.push_back(e.text);
    if (e.kind != RecordedEntity::Line) continue;
    EXPECT_TRUE(OnPlateEdge(e.x2, e.y2)) << e.x2 << ", " << e.y2;
    EXPECT_EQ(std::fabs(e.x1), 0.05);
    const RecordedEntity& next = thick.entities.at(i + 1);
    if (next.kind != RecordedEntity::Text) continue;  // the first of a split pair
    if (std::fabs(e.x2) == 0.5) {
      EXPECT_EQ(next.x1, e.x2 > 0 ? 0.59 : -0.59) << next.text;
      EXPECT_EQ(next.y1, e.y2) << next.text;
    } else {
      EXPECT_EQ(next.y1, e.y2 == 1.0 ? 1.09 : -0.34) << next.text;
    }
  }
  EXPECT_EQ(thickTable, thinTable);
  EXPECT_FALSE(thickTable.empty());
}

}  // namespace
