#include "pdf/paper.h"

namespace pdf {
namespace {


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
      return {297 * drawing::kPointsPerMm, 420 * drawing::kPointsPerMm};
    case Paper::A4:
      break;
  }
  return {210 * drawing::kPointsPerMm, 297 * drawing::kPointsPerMm};
}

drawing::PrintLength CheckLength(Paper paper) {
  if (paper == Paper::Letter) return {4, drawing::LengthUnit::Inch};
  return {100, drawing::LengthUnit::Millimetre};
}

}  // namespace pdf
