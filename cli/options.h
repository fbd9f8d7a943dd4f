#pragma once

#include <optional>
#include <stdexcept>
#include <string>
#include <vector>

#include "design/design_inputs.h"
#include "drawing/print_length.h"
#include "pdf/paper.h"

namespace cli {

// What the command line asks for.
struct Options {
  design::DesignInputs inputs;
  // -o: where the DXF drawing goes.
  std::optional<std::string> dxfFileName;
  // --svg: where the picture of the drawing goes.
  std::optional<std::string> svgFileName;
  // --pdf: where the template to print at true size goes.
  std::optional<std::string> pdfFileName;
  // --paper: the sheets the template is tiled over.
  pdf::Paper paper = pdf::Paper::A4;
  // --gnomon-length: the printed length of one drawing unit in the picture.
  drawing::PrintLength gnomonLength;
  // Whether --gnomon-length was given: only then is the DXF drawn at that
  // length, with its units, instead of one unit per gnomon length.
  bool gnomonLengthGiven = false;
  bool verbose = false;
  bool help = false;
};

// A command line that cannot be understood; the message is one line.
class UsageError : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

// The usage text, ending in a line break.
std::string UsageText();

// Reads the arguments after the program name. Throws UsageError.
Options ParseOptions(const std::vector<std::string>& args);

}  // namespace cli
