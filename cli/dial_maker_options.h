#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "design/dial_options.h"
#include "drawing/print_length.h"

namespace cli {

// The dial maker's options as typed, before the gnomon length that a
// thickness may be measured against is known.
struct DialMakerOptions {
  // --minutes=N
  int minuteStep = 0;
  // --style-thickness=LENGTH: a length on paper, or, without a unit, drawing
  // units.
  std::optional<double> thicknessValue;
  std::optional<drawing::LengthUnit> thicknessUnit;
  // --eot-table, --eot-csv
  bool eotTable = false;
  bool eotCsv = false;
};

// The value of --minutes: 30, 20, 15, 10 or 5. Throws UsageError.
int ReadMinuteStep(std::string_view text);

// The value of --style-thickness into `options`. Throws UsageError.
void ReadStyleThickness(std::string_view text, DialMakerOptions& options);

// The options for the design run, the thickness turned into drawing units
// by the printed gnomon length. Throws UsageError for a gnomon as thick as
// the plate is wide, or thicker.
design::DialOptions ToDialOptions(const DialMakerOptions& options,
                                  const drawing::PrintLength& gnomonLength);

// The correction table as CSV: the header line month,day,add_seconds, then
// a line per date, each ending in a line feed.
std::string CorrectionCsv();

}  // namespace cli
