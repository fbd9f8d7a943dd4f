#pragma once

#include <string>
#include <string_view>

namespace pdf {

// One page's content stream, written operator by operator. Coordinates and
// lengths are points from the page's lower left corner, y up.
class PageContent {
 public:
  void StrokeColour(double red, double green, double blue);
  void FillColour(double red, double green, double blue);
  void LineWidth(double width);
  // Dashes of `on` points with gaps of `off`; no dashes when both are 0.
  void Dash(double on, double off);
  void RoundCaps();

  void MoveTo(double x, double y);
  void LineTo(double x, double y);
  void CurveTo(double x1, double y1, double x2, double y2, double x3, double y3);
  void Rectangle(double x, double y, double width, double height);
  void Stroke();
  void Fill();

  // Everything up to the matching Restore stays inside the rectangle.
  void SaveClippedTo(double x, double y, double width, double height);
  void Restore();

  // Text in the fill colour, its baseline starting at (x, y), turned
  // counter-clockwise by `rotation` degrees.
  void Text(std::string_view text, double size, double rotation, double x, double y);
  // The same, centred on (x, y) along its baseline.
  void CentredText(std::string_view text, double size, double rotation, double x, double y);

  const std::string& Stream() const { return stream_; }

 private:
  void Numbers(std::initializer_list<double> values, const char* op);

  std::string stream_;
};

}  // namespace pdf
