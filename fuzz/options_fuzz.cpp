// Feeds arbitrary command lines to the tool's option parser: the input's
// NUL bytes separate the arguments. Any command line may be refused; none
// may crash, an accepted one must hold values the run can use, and a
// refusal's message must be safe to print on a terminal.
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "cli/options.h"
#include "drawing/print_length.h"

namespace {

std::vector<std::string> Arguments(std::string_view text) {
  std::vector<std::string> args;
  std::size_t start = 0;
  for (;;) {
    const std::size_t end = text.find('\0', start);
    args.emplace_back(text.substr(start, end - start));
    if (end == std::string_view::npos) return args;
    start = end + 1;
  }
}

void CheckAccepted(const cli::Options& options) {
  if (options.help || options.version) return;
  if (!options.dxfFileName && !options.svgFileName) __builtin_trap();
  if (options.dxfFileName && options.dxfFileName->empty()) __builtin_trap();
  if (options.svgFileName && options.svgFileName->empty()) __builtin_trap();
  if (options.dxfFileName == cli::kStandardOutput && options.svgFileName == cli::kStandardOutput) {
    __builtin_trap();
  }
  const double millimetres = drawing::Millimetres(options.gnomonLength);
  if (!std::isfinite(millimetres) || millimetres < 1e-3 || millimetres > 1e6) __builtin_trap();
  const design::DialZone& zone = options.inputs.zone;
  if (zone.gmtOffset < -12 || zone.gmtOffset > 13) __builtin_trap();
}

void CheckRefusal(std::string_view message) {
  for (std::size_t i = 0; i < message.size(); ++i) {
    const auto byte = static_cast<unsigned char>(message[i]);
    if (byte < 0x20 || byte == 0x7f) __builtin_trap();
    const bool c1 = byte == 0xc2 && i + 1 < message.size() &&
                    static_cast<unsigned char>(message[i + 1]) >= 0x80 &&
                    static_cast<unsigned char>(message[i + 1]) <= 0x9f;
    if (c1) __builtin_trap();
  }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string_view text(reinterpret_cast<const char*>(data), size);
  try {
    CheckAccepted(cli::ParseOptions(Arguments(text)));
  } catch (const cli::UsageError& error) {
    CheckRefusal(error.what());
  }
  return 0;
}
