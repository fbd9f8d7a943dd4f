#include "drawing/print_length.h"

namespace drawing {
namespace {

constexpr LengthUnit kUnits[] = {LengthUnit::Millimetre, LengthUnit::Centimetre, LengthUnit::Inch};

}  // namespace

std::string_view UnitSymbol(LengthUnit unit) {
  switch (unit) {
    case LengthUnit::Centimetre:
      return "cm";
    case LengthUnit::Inch:
      return "in";
    case LengthUnit::Millimetre:
      break;
  }
  return "mm";
}

std::optional<LengthUnit> UnitFromSymbol(std::string_view symbol) {
  for (LengthUnit unit : kUnits) {
    if (UnitSymbol(unit) == symbol) return unit;
  }
  return std::nullopt;
}

double Millimetres(const PrintLength& length) {
  switch (length.unit) {
    case LengthUnit::Centimetre:
      return length.value * 10;
    case LengthUnit::Inch:
      return length.value * 25.4;
    case LengthUnit::Millimetre:
      break;
  }
  return length.value;
}

}  // namespace drawing
