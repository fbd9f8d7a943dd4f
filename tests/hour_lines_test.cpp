#include "design/hour_lines.h"

#include <gtest/gtest.h>

#include <cmath>
#include <map>
#include <numbers>
#include <string>

#include "recording_sink.h"

namespace {

using design::DialZone;

const DialZone kGmt = DialZone::Gmt(0);
const DialZone kLocalApparentTime = DialZone::LocalApparentTime();
constexpr double kDefaultLatitude = 51 + 32.0 / 60;

// One drawn hour: its line's end, its number and its table row.
struct Hour {
  double endX, endY;
  std::string number;
  double labelX, labelY, rotation;
  std::string rowLabel, angleText;
  double rowY;
};

// Draws the hour lines and sorts the entities by hour, checking on the way
// that each line comes with its number and each row with its angle.
std::map<int, Hour> DrawHours(double latitude, double longitude, DialZone zone) {
  RecordingSink sink;
  design::DrawHourLines(sink, latitude, longitude, zone);

  const auto& e = sink.entities;
  std::size_t shown = 0;
  while (shown * 2 < e.size() && e[shown * 2].kind == RecordedEntity::Line) ++shown;
  EXPECT_EQ(e.size(), shown * 4);
  std::map<int, Hour> hours;
  for (std::size_t i = 0; i < shown; ++i) {
    const RecordedEntity& line = e[2 * i];
    const RecordedEntity& number = e[2 * i + 1];
    const RecordedEntity& row = e[2 * shown + 2 * i];
    const RecordedEntity& angle = e[2 * shown + 2 * i + 1];
    EXPECT_EQ(line.x1, 0);
    EXPECT_EQ(line.y1, 0);
    EXPECT_EQ(row.x1, 3.5);
    EXPECT_EQ(angle.x1, 4.25);
    EXPECT_EQ(angle.y1, row.y1);
    const int hour = static_cast<int>(std::lround((1.5 - row.y1) / 0.1));
    hours[hour] = {line.x2,  line.y2,    number.text, number.x1, number.y1,
                   number.rotation, row.text, angle.text, row.y1};
  }
  return hours;
}

TEST(HourLines, DrawTheDefaultSite) {
  const std::map<int, Hour> hours = DrawHours(kDefaultLatitude, 0, kGmt);
  ASSERT_EQ(hours.size(), 17u);
  EXPECT_EQ(hours.begin()->first, 4);
  EXPECT_EQ(hours.rbegin()->first, 20);

  struct Expected {
    int hour;
    const char* angleText;
    double endX, endY;
    const char* number;
    double labelX, labelY, rotation;
  };
  const double noonX = 1 / std::tan(90 * (std::numbers::pi / 180));
  const Expected table[] = {
      {4, "216'24'16.19\"", -0.3390360, -0.25, "4", -0.3390360, -0.34, 0},
      {5, "198'53'31.37\"", -0.5, -0.1711107, "5", -0.59, -0.1711107, 270},
      {10, "114'19'30.92\"", -0.4520480, 1.0, "10", -0.4520480, 1.09, 180},
      {12, "90'0'0.00\"", noonX, 1.0, "12", noonX, 1.09, 180},
      {13, "78'9'5.05\"", 0.2097962, 1.0, "1", 0.2097962, 1.09, 180},
      {15, "51'56'24.41\"", 0.5, 0.6385939, "3", 0.59, 0.6385939, 90},
      {18, "0'0'0.00\"", 0.5, 0, "6", 0.59, 0, 90},
      {19, "341'6'28.63\"", 0.5, -0.1711107, "7", 0.59, -0.1711107, 90},
      {20, "323'35'43.81\"", 0.3390360, -0.25, "8", 0.3390360, -0.34, 0},
  };
  for (const Expected& x : table) {
    SCOPED_TRACE(x.hour);
    const Hour& h = hours.at(x.hour);
    EXPECT_EQ(h.angleText, x.angleText);
    EXPECT_NEAR(h.endX, x.endX, 5e-8);
    EXPECT_NEAR(h.endY, x.endY, 5e-8);
    EXPECT_EQ(h.number, x.number);
    EXPECT_NEAR(h.labelX, x.labelX, 5e-8);
    EXPECT_NEAR(h.labelY, x.labelY, 5e-8);
    EXPECT_EQ(h.rotation, x.rotation);
  }
  EXPECT_NE(hours.at(12).endX, 0.0);  // 1 / tan 90 degrees is tiny, not zero
  EXPECT_EQ(hours.at(4).rowLabel, "4 am");
  EXPECT_DOUBLE_EQ(hours.at(4).rowY, 1.1);
  EXPECT_EQ(hours.at(12).rowLabel, "12 am");
  EXPECT_DOUBLE_EQ(hours.at(12).rowY, 0.3);
  EXPECT_EQ(hours.at(20).rowLabel, "8 pm");
  EXPECT_DOUBLE_EQ(hours.at(20).rowY, -0.5);
}

TEST(HourLines, DaylightSavingWestOfTheZoneMeridian) {
  const std::map<int, Hour> hours = DrawHours(51.5, 0.1, DialZone::Gmt(0, true));
  const Hour& seven = hours.at(19);
  EXPECT_EQ(seven.angleText, "0'7'40.00\"");  // 0.1277778 degrees
  EXPECT_EQ(seven.endX, 0.5);
  EXPECT_NEAR(seven.endY, 0.0011151, 5e-8);
  EXPECT_EQ(seven.number, "7");
  EXPECT_EQ(seven.labelX, 0.59);
  EXPECT_EQ(seven.rotation, 90);
  const Hour& morning = hours.at(7);
  EXPECT_EQ(morning.angleText, "180'7'40.00\"");
  EXPECT_EQ(morning.endX, -0.5);
  EXPECT_NEAR(morning.endY, -0.0011151, 5e-8);
}

TEST(HourLines, MirrorASouthernSiteOnLocalApparentTime) {
  const double latitude = -(33 + 52.0 / 60);
  const double longitude = -(151 + 12.0 / 60);
  const std::map<int, Hour> hours = DrawHours(latitude, longitude, kLocalApparentTime);
  ASSERT_EQ(hours.size(), 15u);
  EXPECT_EQ(hours.begin()->first, 5);
  EXPECT_EQ(hours.rbegin()->first, 19);

  const Hour& six = hours.at(6);
  EXPECT_EQ(six.angleText, "0'0'0.00\"");
  EXPECT_EQ(six.endX, 0.5);
  EXPECT_EQ(six.endY, 0);
  EXPECT_EQ(six.labelX, 0.59);
  EXPECT_EQ(six.rotation, 90);
  const Hour& nine = hours.at(9);
  EXPECT_EQ(nine.angleText, "60'52'14.63\"");  // 60.8707316 degrees
  EXPECT_NEAR(nine.endY, 0.8972438, 5e-8);
  EXPECT_EQ(hours.at(18).angleText, "180'0'0.00\"");
  EXPECT_EQ(hours.at(18).endX, -0.5);
  const Hour& nineteen = hours.at(19);
  EXPECT_EQ(nineteen.endX, -0.5);
  EXPECT_NEAR(nineteen.endY, -0.2404158, 5e-8);
  EXPECT_EQ(nineteen.number, "7");
  EXPECT_EQ(nineteen.labelX, -0.59);
  EXPECT_EQ(nineteen.rotation, 270);
  // Local apparent time ignores the zone's longitude and daylight saving.
  EXPECT_EQ(DrawHours(latitude, 0, DialZone{DialZone::Kind::LocalApparentTime, 0, true}).at(9).angleText, nine.angleText);
}

TEST(HourLines, ShowMoreHoursTheFurtherFromTheEquator) {
  struct Band {
    double latitude;
    std::size_t lines;
    int firstHour;
  };
  const Band bands[] = {
      {0, 13, 6},       {20, 13, 6},  {27, 13, 6},  {27.001, 15, 5}, {46, 15, 5},
      {46.5, 17, 4},    {57, 17, 4},  {60, 19, 3},  {65, 19, 3},     {65.5, 21, 2},
      {66, 21, 2},      {66.1, 24, 0}, {89.999, 24, 0}, {-27, 13, 6}, {-66.1, 24, 0},
  };
  for (const Band& band : bands) {
    const std::map<int, Hour> hours = DrawHours(band.latitude, 0, kLocalApparentTime);
    EXPECT_EQ(hours.size(), band.lines) << band.latitude;
    EXPECT_EQ(hours.begin()->first, band.firstHour) << band.latitude;
  }
}

TEST(HourLines, PutEveryDaytimeHourOnTheNoonLineAtTheEquator) {
  const std::map<int, Hour> hours = DrawHours(0, 0, kGmt);
  for (int hour = 7; hour <= 17; ++hour) {
    EXPECT_EQ(hours.at(hour).angleText, "90'0'0.00\"") << hour;
    EXPECT_EQ(hours.at(hour).endY, 1.0) << hour;
  }
  EXPECT_EQ(hours.at(6).angleText, "180'0'0.00\"");
}

// No zone chosen reads the clock 195 degrees west, 180 with daylight
// saving, the same as GMT -12.
TEST(HourLines, TreatNoChosenZoneAsTheRuleGives) {
  const DialZone none = DialZone::NotChosen();
  const DialZone noneSummer = DialZone::NotChosen(true);
  const DialZone kwajalein = DialZone::Gmt(-12);
  const DialZone solomonIslands = DialZone::Gmt(11);
  EXPECT_EQ(DrawHours(kDefaultLatitude, 0, noneSummer).at(0).angleText,
            DrawHours(kDefaultLatitude, 0, kwajalein).at(0).angleText);
  // 195 degrees west of Greenwich is 165 degrees east of it.
  EXPECT_EQ(DrawHours(kDefaultLatitude, 0, none).at(0).angleText,
            DrawHours(kDefaultLatitude, 0, solomonIslands).at(0).angleText);
  EXPECT_EQ(DrawHours(kDefaultLatitude, 0, kGmt).count(0), 0u);
}

// A corrected direction of exactly 360 stays 360, on the right edge: hour
// 18 starts at 0 and a site 165 degrees west on GMT +13 adds 360.
TEST(HourLines, KeepADirectionOfExactly360) {
  const std::map<int, Hour> hours = DrawHours(kDefaultLatitude, 165, DialZone::Gmt(13));
  const Hour& six = hours.at(18);
  EXPECT_EQ(six.angleText, "360'0'0.00\"");
  EXPECT_EQ(six.endX, 0.5);
  EXPECT_EQ(six.labelX, 0.59);
}

}  // namespace
