#include "design/equation_of_time.h"

#include <gtest/gtest.h>

#include <cmath>
#include <numbers>

#include "design/correction_table.h"
#include "recording_sink.h"

namespace {

constexpr double kRad = std::numbers::pi / 180;

// The reference: the US Naval Observatory's "Approximate Solar Coordinates"
// (Astronomical Applications Department, aa.usno.navy.mil/faq/sun_approx),
// good to about 1 arc minute of the sun's place, some 4 seconds of time,
// from 1950 to 2050. It works from the sun's right ascension; the design's
// NOAA equations from Smart's series, so the two share no formula.
double UsnoEquationOfTimeMinutes(double julianDay) {
  const double d = julianDay - 2451545.0;
  const double g = 357.529 + 0.98560028 * d;
  const double q = 280.459 + 0.98564736 * d;
  const double l = q + 1.915 * std::sin(g * kRad) + 0.020 * std::sin(2 * g * kRad);
  const double e = 23.439 - 0.00000036 * d;
  const double ra = std::atan2(std::cos(e * kRad) * std::sin(l * kRad), std::cos(l * kRad)) / kRad;
  // Minutes of time, brought into the half circle around zero.
  return std::remainder(q - ra, 360.0) * 4;
}

bool IsLeap(int year) { return (year % 4 == 0 && year % 100 != 0) || year % 400 == 0; }

TEST(EquationOfTime, AgreesWithTheNavalObservatoryEveryDayWithin15Seconds) {
  const int monthDays[] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
  for (int year = 2025; year <= 2028; ++year) {
    for (int month = 1; month <= 12; ++month) {
      const int days = monthDays[month - 1] + (month == 2 && IsLeap(year) ? 1 : 0);
      for (int day = 1; day <= days; ++day) {
        for (const double hours : {0.0, 12.0}) {
          const double jd = design::JulianDay(year, month, day, hours);
          const double difference =
              (design::EquationOfTime(jd) - UsnoEquationOfTimeMinutes(jd)) * 60;
          ASSERT_LE(std::fabs(difference), 15)
              << year << "-" << month << "-" << day << " " << hours << "h";
        }
      }
    }
  }
}

// Meeus, Astronomical Algorithms, example 7.a and the epoch J2000.0.
TEST(EquationOfTime, CountsJulianDaysAsMeeusDoes) {
  EXPECT_NEAR(design::JulianDay(1957, 10, 4, 0.81 * 24), 2436116.31, 1e-9);
  EXPECT_EQ(design::JulianDay(2000, 1, 1, 12), 2451545.0);
  EXPECT_EQ(design::JulianDay(1988, 1, 27, 0), 2447187.5);
}

TEST(CorrectionTable, GivesTheSecondsToAddOnThe1stAndThe15th) {
  const std::vector<design::CorrectionEntry> table = design::CorrectionTable();
  ASSERT_EQ(table.size(), 24u);
  for (std::size_t i = 0; i < table.size(); ++i) {
    const design::CorrectionEntry& entry = table[i];
    EXPECT_EQ(entry.month, static_cast<int>(i / 2) + 1);
    EXPECT_EQ(entry.day, i % 2 == 0 ? 1 : 15);
    // What to add is the negative of the equation of time, the same each
    // year within seconds.
    for (int year = 2025; year <= 2028; ++year) {
      const double reference =
          -UsnoEquationOfTimeMinutes(design::JulianDay(year, entry.month, entry.day, 12)) * 60;
      EXPECT_NEAR(entry.addSeconds, reference, 15) << entry.month << "/" << entry.day;
    }
  }
  // Mid-February the dial is slow by about 14 minutes, early November fast
  // by about 16.
  EXPECT_NEAR(table[3].addSeconds, 14 * 60 + 7, 20);
  EXPECT_NEAR(table[20].addSeconds, -(16 * 60 + 28), 20);
}

TEST(CorrectionTable, WritesSignedMinutesAndSeconds) {
  struct Case {
    int seconds;
    const char* text;
  };
  const Case cases[] = {{847, "+14 min 7 s"}, {-988, "-16 min 28 s"}, {-1, "-0 min 1 s"},
                        {0, "+0 min 0 s"},    {60, "+1 min 0 s"}};
  for (const Case& c : cases) EXPECT_EQ(design::CorrectionText(c.seconds), c.text);
  EXPECT_EQ(design::DateLabel(2, 15), "Feb 15");
  EXPECT_EQ(design::DateLabel(12, 1), "Dec 1");
}

TEST(CorrectionTable, DrawsAHeadingAndARowPerDateBesideTheAngleTable) {
  RecordingSink sink;
  design::DrawCorrectionTable(sink);
  ASSERT_EQ(sink.entities.size(), 1u + 2 * 24);
  EXPECT_EQ(sink.entities[0].text, "Add to dial time");
  const std::vector<design::CorrectionEntry> table = design::CorrectionTable();
  for (std::size_t row = 0; row < table.size(); ++row) {
    const RecordedEntity& date = sink.entities[1 + 2 * row];
    const RecordedEntity& time = sink.entities[2 + 2 * row];
    EXPECT_EQ(date.text, design::DateLabel(table[row].month, table[row].day));
    EXPECT_EQ(time.text, design::CorrectionText(table[row].addSeconds));
    // Level with the angle table's rows, right of its angles at 4.25.
    EXPECT_DOUBLE_EQ(date.y1, 1.5 - 0.1 * row);
    EXPECT_EQ(time.y1, date.y1);
    EXPECT_GT(date.x1, 4.9);
    EXPECT_EQ(date.rotation, 0);
  }
}

}  // namespace
