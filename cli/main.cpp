// ziradadozo-rezudor-dxf: the design run without a window, for scripts.
#include <clocale>
#include <cstdio>
#include <string>
#include <vector>

#include "cli/dial_maker_options.h"
#include "cli/options.h"
#include "design/correction_table.h"
#include "design/design_run.h"
#include "dxf/dxf_writer.h"
#include "platform/number_text.h"
#include "svg/svg_document.h"

namespace {

// Echoes the status texts when asked to and keeps the last one.
class ConsoleStatus : public design::StatusLine {
 public:
  explicit ConsoleStatus(bool echo) : echo_(echo) {}
  void ShowStatus(const std::string& text, bool) override {
    last_ = text;
    if (echo_) std::fprintf(stdout, "%s\n", text.c_str());
  }
  const std::string& Last() const { return last_; }

 private:
  bool echo_;
  std::string last_;
};

std::vector<design::Output> Outputs(const cli::Options& options, dxf::DxfWriter& drawing,
                                    svg::SvgDocument& picture) {
  std::vector<design::Output> outputs;
  if (options.dxfFileName) outputs.push_back({&drawing, *options.dxfFileName});
  if (options.svgFileName) outputs.push_back({&picture, *options.svgFileName});
  return outputs;
}

}  // namespace

int main(int argc, char** argv) {
  // Typed numbers follow the user's decimal separator, as in the window.
  std::setlocale(LC_ALL, "");
  cli::Options options;
  try {
    options = cli::ParseOptions(std::vector<std::string>(argv + 1, argv + argc));
  } catch (const cli::UsageError& error) {
    std::fprintf(stderr, "ziradadozo-rezudor-dxf: %s\n%s", error.what(), cli::UsageText().c_str());
    return 2;
  }
  if (options.help) {
    std::fputs(cli::UsageText().c_str(), stdout);
    return 0;
  }
  const bool wantsCorrections = options.dial.correctionTable || options.eotCsv;
  const bool correctionsApply = design::CorrectionTableApplies(options.inputs.zone);
  if (wantsCorrections && !correctionsApply) {
    std::fprintf(stderr, "ziradadozo-rezudor-dxf: %s\n", design::kNoCorrectionTableOnLat);
  }
  ConsoleStatus status(options.verbose);
  dxf::DxfWriter drawing;
  svg::SvgDocument picture(options.gnomonLength);
  const std::vector<design::Output> outputs = Outputs(options, drawing, picture);
  if (!outputs.empty()) {
    const design::DesignResult result = design::RunDesign(
        options.inputs, platform::DecimalSeparator(), status, outputs, options.dial);
    if (result.outcome != design::DesignOutcome::Finished) {
      std::fprintf(stderr, "%s\n", status.Last().c_str());
      return 1;
    }
  }
  if (options.eotCsv) {
    // Nothing asked for but the table, and no table to give.
    if (!correctionsApply) return outputs.empty() ? 1 : 0;
    std::fputs(cli::CorrectionCsv().c_str(), stdout);
  }
  return 0;
}
