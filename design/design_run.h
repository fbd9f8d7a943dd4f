#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "design/design_inputs.h"
#include "design/dial_options.h"
#include "drawing/drawing_document.h"

namespace design {

// Shows the run's progress. `repaintNow` marks the texts that must be seen
// while the run is still working; the others may wait until it returns.
class StatusLine {
 public:
  virtual ~StatusLine() = default;
  virtual void ShowStatus(const std::string& text, bool repaintNow) = 0;
};

// One file a finished run saves: a document that receives every entity of
// the drawing, and the path its bytes go to. An empty path fails the run.
struct Output {
  drawing::DrawingDocument* document;
  std::string path;
};

enum class DesignOutcome { Finished, LatitudeRejected, LongitudeRejected, Failed };

// The six coordinate boxes, for naming the one whose text is no number.
enum class CoordinateBox { LatDegrees, LatMinutes, LatSeconds, LongDegrees, LongMinutes, LongSeconds };

// How a run ended, and for a failed run why, in more detail than the status
// line shows.
struct DesignResult {
  DesignOutcome outcome = DesignOutcome::Finished;
  // A box whose text is no number, and that text.
  std::optional<CoordinateBox> unreadableBox;
  std::string unreadableText;
  // A file that could not be written, and the system's reason.
  std::string failedPath;
  std::string reason;
};

// The whole of "Go!": reads and checks the coordinates, draws the frame and
// the hour lines into every output's document, and saves them all, replacing
// none of the files unless all are written. Nothing is saved unless the run
// finishes; no failure escapes, each ends in a status text. `options` adds
// what a dial maker asks for; by default the drawing is the window's.
DesignResult RunDesign(const DesignInputs& inputs, std::string_view decimalSeparator,
                       StatusLine& status, const std::vector<Output>& outputs,
                       const DialOptions& options = {});

}  // namespace design
