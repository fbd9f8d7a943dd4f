#include "design/design_run.h"

#include <cmath>

#include "design/correction_table.h"
#include "design/fixed_frame.h"
#include "design/hour_lines.h"
#include "design/read_angle.h"
#include "design/status_texts.h"
#include "drawing/tee_sink.h"
#include "platform/atomic_file.h"
#include "platform/errors.h"

namespace design {
namespace {

constexpr double kLatitudeLimit = 89.999;
constexpr double kLongitudeLimit = 180;

drawing::TeeSink DrawInto(const std::vector<Output>& outputs) {
  std::vector<drawing::DrawingSink*> sinks;
  for (const Output& output : outputs) sinks.push_back(output.document);
  return drawing::TeeSink(std::move(sinks));
}

void Save(const std::vector<Output>& outputs) {
  std::vector<platform::FileContent> files;
  for (const Output& output : outputs) files.push_back({output.path, output.document->Bytes()});
  platform::ReplaceFilesAtomically(files);
}

// Reads one coordinate; a box that is no number is named in `result`
// before the failure goes on to the run's guard.
double ReadCoordinate(const AngleTexts& texts, CoordinateBox degreesBox,
                      std::string_view decimalSeparator, DesignResult& result) {
  try {
    return ReadAngle(texts, decimalSeparator);
  } catch (const UnreadableAngleText& error) {
    result.unreadableBox =
        static_cast<CoordinateBox>(static_cast<int>(degreesBox) + static_cast<int>(error.part()));
    result.unreadableText = error.text();
    throw;
  }
}

DesignResult Ended(DesignResult result, DesignOutcome outcome, const char* statusText,
                   StatusLine& status) {
  status.ShowStatus(statusText, false);
  result.outcome = outcome;
  return result;
}

}  // namespace

DesignResult RunDesign(const DesignInputs& inputs, std::string_view decimalSeparator,
                       StatusLine& status, const std::vector<Output>& outputs,
                       const DialOptions& options) {
  DesignResult result;
  try {
    status.ShowStatus(kStartingCalculations, true);
    const double latitude =
        ReadCoordinate(inputs.latitude, CoordinateBox::LatDegrees, decimalSeparator, result);
    if (std::fabs(latitude) > kLatitudeLimit) {
      return Ended(result, DesignOutcome::LatitudeRejected, kLatitudeRejected, status);
    }
    const double longitude =
        ReadCoordinate(inputs.longitude, CoordinateBox::LongDegrees, decimalSeparator, result);
    if (std::fabs(longitude) > kLongitudeLimit) {
      return Ended(result, DesignOutcome::LongitudeRejected, kLongitudeRejected, status);
    }

    drawing::TeeSink sink = DrawInto(outputs);
    DrawFixedFrame(sink, latitude, options.styleThickness);
    DrawHourLines(sink, latitude, longitude, inputs.zone, options);
    if (options.correctionTable && CorrectionTableApplies(inputs.zone)) {
      DrawCorrectionTable(sink);
    }

    status.ShowStatus(kSavingDxfFile, true);
    Save(outputs);
    return Ended(result, DesignOutcome::Finished, kFinished, status);
  } catch (const platform::FileError& error) {
    result.failedPath = error.path();
    result.reason = error.reason();
  } catch (const std::exception& error) {
    result.reason = error.what();
  } catch (...) {
  }
  return Ended(result, DesignOutcome::Failed, kRunFailed, status);
}

}  // namespace design
