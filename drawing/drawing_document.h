#pragma once

#include <string>

#include "drawing/drawing_sink.h"

namespace drawing {

// A drawing that collects entities and can be saved as one file.
class DrawingDocument : public DrawingSink {
 public:
  // The bytes of the finished file.
  virtual std::string Bytes() const = 0;
};

}  // namespace drawing
