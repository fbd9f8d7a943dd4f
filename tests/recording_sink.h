#pragma once

#include <string>
#include <vector>

#include "drawing/drawing_sink.h"

// Keeps every entity handed to it, for tests that look at the geometry.
struct RecordedEntity {
  enum Kind { Line, SubHourLine, Arc, Text } kind;
  double x1 = 0, y1 = 0, x2 = 0, y2 = 0;  // line ends, arc centre, text point
  double radius = 0, startAngle = 0, endAngle = 0, rotation = 0;
  std::string text;
};

class RecordingSink : public drawing::DrawingSink {
 public:
  void AddLine(double startX, double startY, double endX, double endY) override {
    entities.push_back({RecordedEntity::Line, startX, startY, endX, endY, 0, 0, 0, 0, {}});
  }
  void AddSubHourLine(double startX, double startY, double endX, double endY) override {
    entities.push_back({RecordedEntity::SubHourLine, startX, startY, endX, endY, 0, 0, 0, 0, {}});
  }
  void AddArc(double x, double y, double radius, double start, double end) override {
    entities.push_back({RecordedEntity::Arc, x, y, 0, 0, radius, start, end, 0, {}});
  }
  void AddText(const std::string& text, double rotation, double x, double y) override {
    entities.push_back({RecordedEntity::Text, x, y, 0, 0, 0, 0, 0, rotation, text});
  }

  std::vector<RecordedEntity> entities;
};
