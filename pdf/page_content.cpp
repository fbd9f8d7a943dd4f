#include "pdf/page_content.h"

#include <cmath>
#include <numbers>

#include "pdf/helvetica.h"
#include "pdf/pdf_number.h"

namespace pdf {
namespace {

// A literal string: the text with "(", ")" and "\" escaped.
std::string Literal(std::string_view text) {
  std::string literal = "(";
  for (char c : text) {
    if (c == '(' || c == ')' || c == '\\') literal += '\\';
    literal += c;
  }
  return literal + ")";
}

}  // namespace

void PageContent::Numbers(std::initializer_list<double> values, const char* op) {
  for (double value : values) stream_ += PdfNumber(value) + " ";
  stream_ += op;
  stream_ += "\n";
}

void PageContent::StrokeColour(double red, double green, double blue) {
  Numbers({red, green, blue}, "RG");
}

void PageContent::FillColour(double red, double green, double blue) {
  Numbers({red, green, blue}, "rg");
}

void PageContent::LineWidth(double width) { Numbers({width}, "w"); }

void PageContent::Dash(double on, double off) {
  if (on == 0 && off == 0) {
    stream_ += "[] 0 d\n";
    return;
  }
  stream_ += '[';
  stream_ += PdfNumber(on) + " " + PdfNumber(off) + "] 0 d\n";
}

void PageContent::RoundCaps() { stream_ += "1 J\n"; }

void PageContent::MoveTo(double x, double y) { Numbers({x, y}, "m"); }

void PageContent::LineTo(double x, double y) { Numbers({x, y}, "l"); }

void PageContent::CurveTo(double x1, double y1, double x2, double y2, double x3, double y3) {
  Numbers({x1, y1, x2, y2, x3, y3}, "c");
}

void PageContent::Rectangle(double x, double y, double width, double height) {
  Numbers({x, y, width, height}, "re");
}

void PageContent::Stroke() { stream_ += "S\n"; }

void PageContent::Fill() { stream_ += "f\n"; }

void PageContent::SaveClippedTo(double x, double y, double width, double height) {
  stream_ += "q\n";
  Numbers({x, y, width, height}, "re W n");
}

void PageContent::Restore() { stream_ += "Q\n"; }

void PageContent::Text(std::string_view text, double size, double rotation, double x, double y) {
  const double radians = rotation * std::numbers::pi / 180;
  const double c = std::cos(radians);
  const double s = std::sin(radians);
  stream_ += "BT\n/F1 " + PdfNumber(size) + " Tf\n";
  Numbers({c, s, -s, c, x, y}, "Tm");
  stream_ += Literal(text) + " Tj\nET\n";
}

void PageContent::CentredText(std::string_view text, double size, double rotation, double x,
                              double y) {
  const double half = TextWidth(text, size) / 2;
  const double radians = rotation * std::numbers::pi / 180;
  Text(text, size, rotation, x - half * std::cos(radians), y - half * std::sin(radians));
}

}  // namespace pdf
