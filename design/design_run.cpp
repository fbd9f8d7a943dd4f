#include "design/design_run.h"

#include <cmath>
#include <numbers>

#include "design/drawing_context.h"
#include "design/fixed_frame.h"
#include "design/hour_lines.h"
#include "design/read_angle.h"
#include "design/status_texts.h"
#include "dxf/dxf_writer.h"
#include "dxf/tee_sink.h"
#include "platform/atomic_file.h"

namespace design {
namespace {

constexpr double kLatitudeLimit = 89.999;
constexpr double kLongitudeLimit = 180;

dxf::TeeSink DrawInto(dxf::DxfWriter& dxf, const std::vector<CompanionOutput>& companions) {
  std::vector<dxf::DrawingSink*> sinks{&dxf};
  for (const CompanionOutput& companion : companions) sinks.push_back(companion.document);
  return dxf::TeeSink(std::move(sinks));
}

void Save(const dxf::DxfWriter& dxf, const std::string& fileName, DxfOutput dxfOutput,
          const std::vector<CompanionOutput>& companions) {
  std::vector<platform::FileContent> files;
  if (dxfOutput == DxfOutput::ToFileName) files.push_back({fileName, dxf.Bytes()});
  for (const CompanionOutput& companion : companions) {
    files.push_back({companion.path, companion.document->Bytes()});
  }
  platform::ReplaceFilesAtomically(files);
}

}  // namespace

DesignOutcome RunDesign(const DesignInputs& inputs, std::string_view decimalSeparator,
                        StatusLine& status, Pen& pen,
                        const std::vector<CompanionOutput>& companions, DxfOutput dxfOutput) {
  try {
    status.ShowStatus(kStartingCalculations, true);
    dxf::DxfWriter dxf;
    dxf.WriteDxfHeader();

    const double latitude = ReadAngle(inputs.latitude, decimalSeparator);
    if (std::fabs(latitude) > kLatitudeLimit) {
      status.ShowStatus(kLatitudeRejected, false);
      return DesignOutcome::LatitudeRejected;
    }
    const double longitude = ReadAngle(inputs.longitude, decimalSeparator);
    if (std::fabs(longitude) > kLongitudeLimit) {
      status.ShowStatus(kLongitudeRejected, false);
      return DesignOutcome::LongitudeRejected;
    }

    dxf::TeeSink sink = DrawInto(dxf, companions);
    DrawingContext context{sink, pen, std::numbers::pi / 180};
    DrawFixedFrame(context, latitude);
    DrawHourLines(context, latitude, longitude, inputs.zone);
    dxf.WriteDxfFooter();

    status.ShowStatus(kSavingDxfFile, true);
    Save(dxf, inputs.fileName, dxfOutput, companions);
    status.ShowStatus(kFinished, false);
    return DesignOutcome::Finished;
  } catch (...) {
    status.ShowStatus(kRunFailed, false);
    return DesignOutcome::Failed;
  }
}

}  // namespace design
