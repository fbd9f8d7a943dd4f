#pragma once

#include <string>

namespace drawing {

// Receives the entities of a drawing in order. The design run draws through
// this interface alone, so every output format sees exactly the same
// entities: points and lengths in drawing units, angles in degrees
// counter-clockwise from +x.
class DrawingSink {
 public:
  virtual ~DrawingSink() = default;
  virtual void AddLine(double startX, double startY, double endX, double endY) = 0;
  // A line that marks a time between the whole hours. It is kept apart from
  // the other lines so that a format can give it a layer or a stroke of its
  // own.
  virtual void AddSubHourLine(double startX, double startY, double endX, double endY) = 0;
  // Counter-clockwise from startAngle to endAngle.
  virtual void AddArc(double centreX, double centreY, double radius, double startAngle,
                      double endAngle) = 0;
  // Centred horizontally on (x, y), baseline through it, turned by rotation.
  virtual void AddText(const std::string& text, double rotation, double x, double y) = 0;
};

}  // namespace drawing
