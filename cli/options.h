#pragma once

#include <stdexcept>
#include <string>
#include <vector>

#include "design/design_inputs.h"

namespace cli {

// What the command line asks for.
struct Options {
  design::DesignInputs inputs;
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
