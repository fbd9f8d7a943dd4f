#pragma once

#include <vector>

namespace design {

// The Julian day of a Gregorian calendar date at `hoursUt` hours of
// Universal Time (Meeus, Astronomical Algorithms, chapter 7).
double JulianDay(int year, int month, int day, double hoursUt);

// The equation of time in minutes at a Julian day: apparent solar time less
// mean solar time, so about -14 in mid-February and +16 in early November.
// Worked by the equations of the NOAA solar calculator (after Meeus):
// Smart's series in the sun's geometric mean longitude and mean anomaly,
// the eccentricity of the earth's orbit and the obliquity of the ecliptic.
double EquationOfTime(double julianDay);

// One date of the dial's correction table: the whole seconds to add to the
// dial's reading to get mean (clock) time.
struct CorrectionEntry {
  int month;
  int day;
  int addSeconds;
};

// The 1st and the 15th of every month, January first. Each entry is the
// equation of time at 12:00 UT of that date averaged over the four years
// 2025 to 2028, a whole leap-year cycle, so that it holds for any year
// within a few seconds, then negated and rounded to whole seconds.
std::vector<CorrectionEntry> CorrectionTable();

}  // namespace design
