#pragma once

#include <array>
#include <optional>
#include <stdexcept>
#include <string>
#include <vector>

#include "design/design_inputs.h"
#include "design/dial_options.h"
#include "drawing/print_length.h"
#include "pdf/paper.h"

namespace cli {

// The file name that stands for standard output.
inline constexpr const char* kStandardOutput = "-";

// Where the text of one coordinate box came from: the option as the user
// wrote it and the whole text it was given, to name both in a message.
struct BoxOrigin {
  std::string option;
  std::string text;
};

// What the command line asks for.
struct Options {
  design::DesignInputs inputs;
  // Indexed by design::CoordinateBox.
  std::array<BoxOrigin, 6> boxOrigins;
  // --locale-numbers: the coordinates use the locale's decimal separator,
  // as the window's boxes do, instead of ".".
  bool localeNumbers = false;
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
  // --minutes, --style-thickness (in drawing units here) and --eot-table.
  design::DialOptions dial;
  // --eot-csv: the correction table on standard output.
  bool eotCsv = false;
  // Whether --gnomon-length was given: only then is the DXF drawn at that
  // length, with its units, instead of one unit per gnomon length.
  bool gnomonLengthGiven = false;
  bool verbose = false;
  bool help = false;
  bool version = false;
};

// A command line that cannot be understood; the message is one line, with
// every text the user gave made safe to print.
class UsageError : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

// Reads the arguments after the program name. Throws UsageError.
Options ParseOptions(const std::vector<std::string>& args);

}  // namespace cli
