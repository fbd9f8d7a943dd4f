#pragma once

#include <string_view>

namespace drawing {

// The box, in drawing units with y up, that holds everything drawn so far.
class DrawingExtent {
 public:
  void Include(double x, double y);
  // The whole arc, not just its end points: the circle's extreme points
  // that the counter-clockwise sweep passes are in the box too.
  void IncludeArc(double centreX, double centreY, double radius, double startAngle, double sweep);
  // An estimate of the text's outline at `height`, centred on (x, y) with its
  // baseline through it and turned counter-clockwise by `rotation`.
  void IncludeText(std::string_view text, double height, double rotation, double x, double y);
  // Widens the box by `margin` on every side.
  void Grow(double margin);

  bool Empty() const { return empty_; }
  double MinX() const { return minX_; }
  double MinY() const { return minY_; }
  double MaxX() const { return maxX_; }
  double MaxY() const { return maxY_; }

 private:
  bool empty_ = true;
  double minX_ = 0;
  double minY_ = 0;
  double maxX_ = 0;
  double maxY_ = 0;
};

}  // namespace drawing
