// ziradadozo-rezudor-dxf: the design run without a window, for scripts.
#include <algorithm>
#include <array>
#include <cerrno>
#include <clocale>
#include <cstdio>
#include <cstring>
#include <optional>
#include <string>
#include <vector>

#include "cli/dial_maker_options.h"
#include "cli/options.h"
#include "cli/run_report.h"
#include "cli/usage_text.h"
#include "design/correction_table.h"
#include "design/design_run.h"
#include "dxf/dxf_writer.h"
#include "pdf/pdf_document.h"
#include "platform/number_text.h"
#include "svg/svg_document.h"

namespace {

constexpr const char* kProgram = "ziradadozo-rezudor-dxf";

void Diagnose(const std::string& text) { std::fprintf(stderr, "%s: %s\n", kProgram, text.c_str()); }

// Echoes the status texts on standard error when asked to and keeps the
// last one.
class ConsoleStatus : public design::StatusLine {
 public:
  explicit ConsoleStatus(bool echo) : echo_(echo) {}
  void ShowStatus(const std::string& text, bool) override {
    last_ = text;
    if (echo_) Diagnose(text);
  }
  const std::string& Last() const { return last_; }

 private:
  bool echo_;
  std::string last_;
};

// A document bound for standard output still goes through the run, so that
// it is written only when the run finishes; the run saves it to a sink that
// keeps nothing.
std::string RunPath(const std::string& fileName) {
  return fileName == cli::kStandardOutput ? "/dev/null" : fileName;
}

// The documents the tool can write, each with the file the user named for
// it, if any.
class Documents {
 public:
  explicit Documents(const cli::Options& options)
      : drawing_(options.gnomonLengthGiven ? dxf::DxfWriter(options.gnomonLength)
                                           : dxf::DxfWriter()),
        picture_(options.gnomonLength),
        printTemplate_(options.gnomonLength, options.paper),
        asked_{{{&drawing_, options.dxfFileName},
                {&picture_, options.svgFileName},
                {&printTemplate_, options.pdfFileName}}} {}
  // The list points into the object itself.
  Documents(const Documents&) = delete;
  Documents& operator=(const Documents&) = delete;

  bool AnyAsked() const {
    return std::any_of(asked_.begin(), asked_.end(),
                       [](const Asked& asked) { return asked.fileName.has_value(); });
  }

  std::vector<design::Output> Outputs() const {
    std::vector<design::Output> outputs;
    for (const Asked& asked : asked_) {
      if (asked.fileName) outputs.push_back({asked.document, RunPath(*asked.fileName)});
    }
    return outputs;
  }

  // The document for standard output, if one goes there.
  const drawing::DrawingDocument* ForStandardOutput() const {
    for (const Asked& asked : asked_) {
      if (asked.fileName == cli::kStandardOutput) return asked.document;
    }
    return nullptr;
  }

 private:
  struct Asked {
    drawing::DrawingDocument* document;
    std::optional<std::string> fileName;
  };

  dxf::DxfWriter drawing_;
  svg::SvgDocument picture_;
  pdf::PdfDocument printTemplate_;
  std::array<Asked, 3> asked_;
};

// Writes to standard output and closes it; a short write or a failed close
// (a full disk, a closed pipe) fails the run.
int FinishStandardOutput(const std::string& bytes) {
  const bool written = std::fwrite(bytes.data(), 1, bytes.size(), stdout) == bytes.size();
  if (written && std::fflush(stdout) == 0 && std::fclose(stdout) == 0) return 0;
  Diagnose(std::string("write error: ") + std::strerror(errno));
  return 1;
}

// The design run into every file asked for; 0 when it finished.
int RunDesign(const cli::Options& options, const Documents& documents) {
  ConsoleStatus status(options.verbose);
  const std::string separator = options.localeNumbers ? platform::DecimalSeparator() : ".";
  const design::DesignResult result = design::RunDesign(options.inputs, separator, status,
                                                        documents.Outputs(), options.dial);
  if (result.outcome == design::DesignOutcome::Finished) return 0;
  const std::string failure = cli::FailureText(result, options, status.Last());
  // -v has shown the status already.
  if (!options.verbose || failure != status.Last()) Diagnose(failure);
  return 1;
}

int Run(const cli::Options& options) {
  const bool wantsCorrections = options.dial.correctionTable || options.eotCsv;
  const bool correctionsApply = design::CorrectionTableApplies(options.inputs.zone);
  if (wantsCorrections && !correctionsApply) Diagnose(design::kNoCorrectionTableOnLat);

  const Documents documents(options);
  const bool drawingAsked = documents.AnyAsked();
  if (drawingAsked && RunDesign(options, documents) != 0) return 1;
  if (options.eotCsv) {
    // Nothing asked for but the table, and no table to give.
    if (!correctionsApply) return drawingAsked ? 0 : 1;
    return FinishStandardOutput(cli::CorrectionCsv());
  }
  const drawing::DrawingDocument* toStdout = documents.ForStandardOutput();
  return toStdout != nullptr ? FinishStandardOutput(toStdout->Bytes()) : 0;
}

}  // namespace

int main(int argc, char** argv) {
  // Only --locale-numbers reads the locale's decimal separator.
  std::setlocale(LC_ALL, "");
  cli::Options options;
  try {
    options = cli::ParseOptions(std::vector<std::string>(argv + 1, argv + argc));
  } catch (const cli::UsageError& error) {
    Diagnose(error.what());
    std::fputs(cli::TryHelpText().c_str(), stderr);
    return 2;
  }
  if (options.help) return FinishStandardOutput(cli::HelpText());
  if (options.version) return FinishStandardOutput(cli::VersionText());
  return Run(options);
}
