// ziradadozo-rezudor-dxf: the design run without a window, for scripts.
#include <clocale>
#include <cstdio>
#include <string>
#include <vector>

#include "cli/options.h"
#include "design/design_run.h"
#include "dxf/dxf_writer.h"
#include "pdf/pdf_document.h"
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
                                    svg::SvgDocument& picture, pdf::PdfDocument& printTemplate) {
  std::vector<design::Output> outputs;
  if (options.dxfFileName) outputs.push_back({&drawing, *options.dxfFileName});
  if (options.svgFileName) outputs.push_back({&picture, *options.svgFileName});
  if (options.pdfFileName) outputs.push_back({&printTemplate, *options.pdfFileName});
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
  ConsoleStatus status(options.verbose);
  dxf::DxfWriter drawing =
      options.gnomonLengthGiven ? dxf::DxfWriter(options.gnomonLength) : dxf::DxfWriter();
  svg::SvgDocument picture(options.gnomonLength);
  pdf::PdfDocument printTemplate(options.gnomonLength, options.paper);
  const design::DesignResult result =
      design::RunDesign(options.inputs, platform::DecimalSeparator(), status,
                        Outputs(options, drawing, picture, printTemplate));
  if (result.outcome != design::DesignOutcome::Finished) {
    std::fprintf(stderr, "%s\n", status.Last().c_str());
    return 1;
  }
  return 0;
}
