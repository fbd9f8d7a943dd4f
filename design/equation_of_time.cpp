#include "design/equation_of_time.h"

#include <cmath>

#include "design/deg_to_rad.h"

namespace design {
namespace {

constexpr double kJ2000 = 2451545.0;
constexpr double kDaysPerCentury = 36525.0;
constexpr int kFirstMeanYear = 2025;
constexpr int kMeanYears = 4;
constexpr double kNoonUt = 12;

double Sin(double degrees) { return std::sin(degrees * DegToRad); }
double Cos(double degrees) { return std::cos(degrees * DegToRad); }

}  // namespace

double JulianDay(int year, int month, int day, double hoursUt) {
  if (month <= 2) {
    year = year - 1;
    month = month + 12;
  }
  const double a = std::floor(year / 100.0);
  const double b = 2 - a + std::floor(a / 4);
  return std::floor(365.25 * (year + 4716)) + std::floor(30.6001 * (month + 1)) + day + b - 1524.5 +
         hoursUt / 24;
}

double EquationOfTime(double julianDay) {
  const double t = (julianDay - kJ2000) / kDaysPerCentury;
  const double meanLongitude = std::fmod(280.46646 + t * (36000.76983 + t * 0.0003032), 360);
  const double meanAnomaly = 357.52911 + t * (35999.05029 - 0.0001537 * t);
  const double eccentricity = 0.016708634 - t * (0.000042037 + 0.0000001267 * t);
  const double meanObliquity =
      23 + (26 + (21.448 - t * (46.815 + t * (0.00059 - t * 0.001813))) / 60) / 60;
  const double obliquity = meanObliquity + 0.00256 * Cos(125.04 - 1934.136 * t);
  const double y = std::pow(std::tan(obliquity / 2 * DegToRad), 2);
  const double radians = y * Sin(2 * meanLongitude) - 2 * eccentricity * Sin(meanAnomaly) +
                         4 * eccentricity * y * Sin(meanAnomaly) * Cos(2 * meanLongitude) -
                         0.5 * y * y * Sin(4 * meanLongitude) -
                         1.25 * eccentricity * eccentricity * Sin(2 * meanAnomaly);
  // Four minutes of time to a degree.
  return 4 * radians / DegToRad;
}

std::vector<CorrectionEntry> CorrectionTable() {
  std::vector<CorrectionEntry> table;
  for (int month = 1; month <= 12; ++month) {
    for (const int day : {1, 15}) {
      double sum = 0;
      for (int year = kFirstMeanYear; year < kFirstMeanYear + kMeanYears; ++year) {
        sum += EquationOfTime(JulianDay(year, month, day, kNoonUt));
      }
      const double addMinutes = -sum / kMeanYears;
      table.push_back({month, day, static_cast<int>(std::lround(addMinutes * 60))});
    }
  }
  return table;
}

}  // namespace design
