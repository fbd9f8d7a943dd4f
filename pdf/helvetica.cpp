#include "pdf/helvetica.h"

namespace pdf {
namespace {

// Advances of the printable ASCII characters, space to "~", in thousandths
// of the font size, from Helvetica's published metrics.
constexpr int kWidths[] = {
    278, 278, 355, 556, 556, 889, 667, 222, 333, 333, 389, 584, 278, 333, 278, 278,
    556, 556, 556, 556, 556, 556, 556, 556, 556, 556, 278, 278, 584, 584, 584, 556,
    1015, 667, 667, 722, 722, 667, 611, 778, 722, 278, 500, 667, 556, 833, 722, 778,
    667, 778, 722, 667, 611, 722, 667, 944, 667, 667, 611, 278, 278, 278, 469, 556,
    222, 556, 556, 500, 556, 556, 278, 556, 556, 222, 222, 500, 222, 833, 556, 556,
    556, 556, 333, 500, 278, 556, 500, 722, 500, 500, 500, 334, 260, 334, 584};
constexpr unsigned char kFirst = ' ';
constexpr unsigned char kLast = '~';
// Wide enough for any glyph a reader may put in place of one it lacks.
constexpr int kUnknownWidth = 1000;

}  // namespace

double TextWidth(std::string_view text, double size) {
  int thousandths = 0;
  for (char c : text) {
    const auto code = static_cast<unsigned char>(c);
    thousandths += (code >= kFirst && code <= kLast) ? kWidths[code - kFirst] : kUnknownWidth;
  }
  return thousandths * size / 1000;
}

}  // namespace pdf
