#pragma once

namespace design {

// What a dial maker may add to the drawing. The defaults draw the dial as
// the window always has.
struct DialOptions {
  // Minutes between sub-hour lines: 30, 20, 15, 10 or 5; 0 draws none.
  int minuteStep = 0;
  // The gnomon's thickness in drawing units; 0 is a style of no thickness.
  double styleThickness = 0;
  // Draw the table of what to add to the dial's time to read the clock.
  bool correctionTable = false;
};

}  // namespace design
