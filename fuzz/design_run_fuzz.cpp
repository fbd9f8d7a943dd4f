// Runs the whole design, as the tool does, on arbitrary input: six coordinate
// texts, a zone, a gnomon length, a dial maker's options and a decimal
// separator, to a DXF drawing and an SVG picture. Any input may be rejected; none may crash, and no
// drawing or picture may ever hold a "nan" or "inf" where a number belongs.
#include <fuzzer/FuzzedDataProvider.h>
#include <unistd.h>

#include <algorithm>
#include <cctype>
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

#include "design/design_run.h"
#include "design/dial_options.h"
#include "design/plate_geometry.h"
#include "drawing/print_length.h"
#include "dxf/dxf_writer.h"
#include "platform/whole_file.h"
#include "svg/svg_document.h"

namespace {

void Check(bool condition) {
  if (!condition) __builtin_trap();
}

class QuietStatus : public design::StatusLine {
 public:
  void ShowStatus(const std::string&, bool) override {}
};

// A folder of its own for the files, on a memory file system where there is
// one: the fuzzer saves once per input.
// Kept until the very end, for the exit handler that removes the folder.
const std::string& OutputFolder() {
  static const std::string& folder = *[] {
    const std::filesystem::path base = std::filesystem::is_directory("/dev/shm")
                                           ? "/dev/shm"
                                           : std::filesystem::temp_directory_path();
    auto* made = new std::string((base / "zrd-design-fuzz-XXXXXX").string());
    Check(::mkdtemp(made->data()) != nullptr);
    std::atexit([] { std::filesystem::remove_all(OutputFolder()); });
    return made;
  }();
  return folder;
}

bool HoldsNoNonNumber(std::string bytes) {
  std::transform(bytes.begin(), bytes.end(), bytes.begin(),
                 [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
  return bytes.find("nan") == std::string::npos && bytes.find("inf") == std::string::npos;
}

design::AngleTexts Angle(FuzzedDataProvider& input) {
  design::AngleTexts texts;
  texts.degrees = input.ConsumeRandomLengthString(24);
  texts.minutes = input.ConsumeRandomLengthString(24);
  texts.seconds = input.ConsumeRandomLengthString(24);
  return texts;
}

design::DialZone Zone(FuzzedDataProvider& input) {
  const bool daylightSaving = input.ConsumeBool();
  switch (input.ConsumeIntegralInRange(0, 2)) {
    case 0:
      return design::DialZone::Gmt(input.ConsumeIntegralInRange(-12, 13), daylightSaving);
    case 1:
      return design::DialZone::NotChosen(daylightSaving);
    default:
      return design::DialZone::LocalApparentTime();
  }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  FuzzedDataProvider input(data, size);
  design::DesignInputs inputs;
  inputs.latitude = Angle(input);
  inputs.longitude = Angle(input);
  inputs.zone = Zone(input);
  // The tool takes any positive, finite gnomon length in one of three units.
  drawing::PrintLength gnomon;
  gnomon.value = input.ConsumeFloatingPoint<double>();
  gnomon.unit = input.PickValueInArray({drawing::LengthUnit::Millimetre,
                                        drawing::LengthUnit::Centimetre,
                                        drawing::LengthUnit::Inch});
  if (!std::isfinite(gnomon.value) || !(gnomon.value > 0)) return -1;
  const bool trueSizeDrawing = input.ConsumeBool();
  // The tool's limits: the listed minute steps, and a gnomon thinner than
  // the plate is wide.
  design::DialOptions options;
  options.minuteStep = input.PickValueInArray({0, 30, 20, 15, 10, 5});
  options.correctionTable = input.ConsumeBool();
  if (input.ConsumeBool()) {
    options.styleThickness = input.ConsumeFloatingPointInRange(0.0, 2 * design::kPlateHalfWidth);
    if (!(options.styleThickness > 0 && options.styleThickness < 2 * design::kPlateHalfWidth)) {
      return -1;
    }
  }
  const std::string_view separator = input.ConsumeBool() ? "," : ".";

  const std::string drawingPath = OutputFolder() + "/dial.dxf";
  const std::string picturePath = OutputFolder() + "/dial.svg";
  // New files every time: a save that makes a file waits for no disk.
  ::unlink(drawingPath.c_str());
  ::unlink(picturePath.c_str());
  dxf::DxfWriter drawing = trueSizeDrawing ? dxf::DxfWriter(gnomon) : dxf::DxfWriter();
  svg::SvgDocument picture(gnomon);
  QuietStatus status;
  const design::DesignResult result = design::RunDesign(
      inputs, separator, status, {{&drawing, drawingPath}, {&picture, picturePath}}, options);
  if (result.outcome != design::DesignOutcome::Finished) return 0;

  const std::string drawingBytes = drawing.Bytes();
  const std::string pictureBytes = picture.Bytes();
  Check(HoldsNoNonNumber(drawingBytes));
  Check(HoldsNoNonNumber(pictureBytes));
  Check(platform::ReadWholeFile(drawingPath).bytes == drawingBytes);
  Check(platform::ReadWholeFile(picturePath).bytes == pictureBytes);
  return 0;
}
