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

// Whether a finished run saves the DXF file to inputs.fileName. The window
// always does; a caller that wants only companion pictures says so here, so
// that an empty file name can never silently mean "no file".
enum class DxfOutput { ToFileName, None };

// The whole of "Go!": reads and checks the coordinates, draws the frame and
// the hour lines, and saves the drawing to inputs.fileName (unless told not
// to) and every companion to its path, replacing none of them until all are
// written. Nothing is saved unless the run finishes; no failure escapes,
// each ends in a status text.
DesignOutcome RunDesign(const DesignInputs& inputs, std::string_view decimalSeparator,
                        StatusLine& status, Pen& pen,
                        const std::vector<CompanionOutput>& companions = {},
                        DxfOutput dxfOutput = DxfOutput::ToFileName);

}  // namespace design
