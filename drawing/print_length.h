#pragma once

#include <optional>
#include <string_view>

namespace drawing {

enum class LengthUnit { Millimetre, Centimetre, Inch };

// A length on paper, kept in the unit it was given in so that the picture's
// size is written in that same unit.
struct PrintLength {
  double value = 100;
  LengthUnit unit = LengthUnit::Millimetre;
};

// "mm", "cm" or "in": the unit as SVG and the command line write it.
std::string_view UnitSymbol(LengthUnit unit);

// The unit a symbol names; none for anything but the three symbols.
std::optional<LengthUnit> UnitFromSymbol(std::string_view symbol);

double Millimetres(const PrintLength& length);

// PostScript points (1/72 in) in a millimetre.
inline constexpr double kPointsPerMm = 72 / 25.4;

// The printed strokes of a true-size picture or template, whatever the
// gnomon length: thin enough to cut along; sub-hour lines thinner still.
inline constexpr double kPrintedLineWidthMm = 0.25;
inline constexpr double kPrintedSubHourLineWidthMm = 0.13;

}  // namespace drawing
