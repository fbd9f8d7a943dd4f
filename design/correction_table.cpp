#include "design/correction_table.h"

#include <cstdlib>
#include <vector>

#include "design/equation_of_time.h"

namespace design {
namespace {

constexpr const char* kMonths[] = {"Jan", "Feb", "Mar", "Apr", "May", "Jun",
                                   "Jul", "Aug", "Sep", "Oct", "Nov", "Dec"};
// Clear of the angle table's texts, which stand at 3.5 and 4.25.
constexpr double kDateX = 5.15;
constexpr double kTimeX = 5.8;
constexpr double kHeadingX = 5.48;
constexpr double kHeadingY = 1.65;
constexpr double kFirstRowY = 1.5;
constexpr double kRowStep = 0.1;

}  // namespace

bool CorrectionTableApplies(const DialZone& zone) {
  return zone.kind != DialZone::Kind::LocalApparentTime;
}

std::string CorrectionText(int addSeconds) {
  const int magnitude = std::abs(addSeconds);
  return std::string(addSeconds < 0 ? "-" : "+") + std::to_string(magnitude / 60) + " min " +
         std::to_string(magnitude % 60) + " s";
}

std::string DateLabel(int month, int day) {
  return std::string(kMonths[month - 1]) + " " + std::to_string(day);
}

void DrawCorrectionTable(drawing::DrawingSink& sink) {
  sink.AddText(kCorrectionHeading, 0, kHeadingX, kHeadingY);
  const std::vector<CorrectionEntry> table = CorrectionTable();
  for (std::size_t row = 0; row < table.size(); ++row) {
    const double rowY = kFirstRowY - kRowStep * row;
    sink.AddText(DateLabel(table[row].month, table[row].day), 0, kDateX, rowY);
    sink.AddText(CorrectionText(table[row].addSeconds), 0, kTimeX, rowY);
  }
}

}  // namespace design
