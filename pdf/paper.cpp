#include "pdf/paper.h"

namespace pdf {
namespace {

constexpr double kPointsPerMm = 72 / 25.4;

}  // namespace

std::optional<Paper> PaperFromName(std::string_view name) {
  if (name == "a4") return Paper::A4;
  if (name == "letter") return Paper::Letter;
  if (name == "a3") return Paper::A3;
  return std::nullopt;
}

SheetSize UprightSize(Paper paper) {
  switch (paper) {
    case Paper::Letter:
      return {8.5 * 72, 11 * 72};
    case Paper::A3:
      return {297 * kPointsPerMm, 420 * kPointsPerMm};
    case Paper::A4:
      break;
  }
  return {210 * kPointsPerMm, 297 * kPointsPerMm};
}

drawing::PrintLength CheckLength(Paper paper) {
  if (paper == Paper::Letter) return {4, drawing::LengthUnit::Inch};
  return {100, drawing::LengthUnit::Millimetre};
}

}  // namespace pdf
