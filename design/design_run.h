#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "design/design_inputs.h"
#include "design/pen.h"
#include "dxf/drawing_document.h"

namespace design {

// Shows the run's progress. `repaintNow` marks the texts that must be seen
// while the run is still working; the others may wait until it returns.
class StatusLine {
 public:
  virtual ~StatusLine() = default;
  virtual void ShowStatus(const std::string& text, bool repaintNow) = 0;
};

enum class DesignOutcome { Finished, LatitudeRejected, LongitudeRejected, Failed };

// A second picture of the same drawing, saved together with the DXF file.
struct CompanionOutput {
  dxf::DrawingDocument* document;
  std::string path;
};

// The whole of "Go!": reads and checks the coordinates, draws the frame and
// the hour lines, and saves the drawing to inputs.fileName (and every
// companion to its path). Nothing is saved unless the run finishes; no
// failure escapes, each ends in a status text.
DesignOutcome RunDesign(const DesignInputs& inputs, std::string_view decimalSeparator,
                        StatusLine& status, Pen& pen,
                        const std::vector<CompanionOutput>& companions = {});

}  // namespace design
