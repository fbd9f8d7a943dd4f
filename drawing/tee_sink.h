#pragma once

#include <string>
#include <vector>

#include "drawing/drawing_sink.h"

namespace drawing {

// Hands every entity to each of several sinks, in order.
class TeeSink : public DrawingSink {
 public:
  explicit TeeSink(std::vector<DrawingSink*> sinks) : sinks_(std::move(sinks)) {}

  void AddLine(double startX, double startY, double endX, double endY) override {
    for (DrawingSink* sink : sinks_) sink->AddLine(startX, startY, endX, endY);
  }
  void AddSubHourLine(double startX, double startY, double endX, double endY) override {
    for (DrawingSink* sink : sinks_) sink->AddSubHourLine(startX, startY, endX, endY);
  }
  void AddArc(double centreX, double centreY, double radius, double startAngle,
              double endAngle) override {
    for (DrawingSink* sink : sinks_) sink->AddArc(centreX, centreY, radius, startAngle, endAngle);
  }
  void AddText(const std::string& text, double rotation, double x, double y) override {
    for (DrawingSink* sink : sinks_) sink->AddText(text, rotation, x, y);
  }

 private:
  std::vector<DrawingSink*> sinks_;
};

}  // namespace drawing
