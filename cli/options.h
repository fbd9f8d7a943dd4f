#pragma once

#include <optional>
#include <stdexcept>
#include <string>
#include <vector>

#include "design/design_inputs.h"
#include "drawing/print_length.h"

namespace cli {

// What the command line asks for.
struct Options {
  design::DesignInputs inputs;
  // -o: where the DXF drawing goes.
  std::optional<std::string> dxfFileName;
  // --svg: where the picture of the drawing goes.
  std::optional<std::string> svgFileName;
  // --gnomon-length: the printed length of one drawing unit in the picture.
  drawing::PrintLength gnomonLength;
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
