#include "cli/options.h"

#include <charconv>
#include <cmath>
#include <filesystem>
#include <string_view>

namespace cli {
namespace {

// --zone: a GMT offset from -12 to 13, "LAT" or "none".
design::DialZone Zone(std::string_view text, bool daylightSaving) {
  if (text == "LAT") return design::DialZone::LocalApparentTime();
  if (text == "none") return design::DialZone::NotChosen(daylightSaving);
  int offset = 0;
  const char* first = text.data();
  const char* last = first + text.size();
  if (!text.empty() && text.front() == '+') ++first;
  auto [end, ec] = std::from_chars(first, last, offset);
  if (text.empty() || ec != std::errc() || end != last || offset < -12 || offset > 13) {
    throw UsageError("--zone takes a GMT offset from -12 to 13, LAT or none, not '" +
                     std::string(text) + "'");
  }
  return design::DialZone::Gmt(offset, daylightSaving);
}

// A positive number, read with "." whatever the locale, followed at once by
// its unit: "100mm", "2.5in".
drawing::PrintLength GnomonLength(std::string_view text) {
  double value = 0;
  const char* first = text.data();
  const char* last = first + text.size();
  const auto [end, ec] = std::from_chars(first, last, value);
  const std::optional<drawing::LengthUnit> unit = drawing::UnitFromSymbol(std::string_view(end, last));
  if (ec != std::errc() || !unit || !std::isfinite(value) || !(value > 0)) {
    throw UsageError(
        "--gnomon-length takes a positive number and a unit mm, cm or in, such as "
        "100mm or 2.5in, not '" +
        std::string(text) + "'");
  }
  return {value, *unit};
}

// The file a name leads to, as far as it can be told before writing, so that
// "dial" and "./dial" count as the same file.
std::filesystem::path Resolved(const std::string& fileName) {
  std::error_code error;
  std::filesystem::path resolved = std::filesystem::weakly_canonical(fileName, error);
  return error ? std::filesystem::path(fileName) : resolved;
}

// Splits "--name=value"; false when the argument has another name.
bool Value(std::string_view arg, std::string_view name, std::string* value) {
  if (arg.size() <= name.size() || arg.substr(0, name.size()) != name || arg[name.size()] != '=') {
    return false;
  }
  *value = std::string(arg.substr(name.size() + 1));
  return true;
}

}  // namespace

std::string UsageText() {
  return "usage: ziradadozo-rezudor-dxf [--long-deg=TEXT] [--long-min=TEXT] [--long-sec=TEXT]\n"
         "                              [--lat-deg=TEXT] [--lat-min=TEXT] [--lat-sec=TEXT]\n"
         "                              [--zone=OFFSET|LAT|none] [--dst] [-v]\n"
         "                              [-o FILE] [--svg=FILE [--gnomon-length=LENGTH]]\n"
         "Writes the DXF drawing of a horizontal sundial for one site, its picture as\n"
         "SVG at true size, or both; at least one of -o and --svg is needed.\n"
         "  --long-*  longitude degrees, minutes, seconds (west positive; '-' in degrees: east)\n"
         "  --lat-*   latitude degrees, minutes, seconds (north positive; '-' in degrees: south)\n"
         "  --zone    GMT offset in whole hours, -12 to 13 (default 0); LAT for local\n"
         "            apparent time; none for no zone selected\n"
         "  --dst     the dial reads daylight saving time\n"
         "  -v        print each status text as it happens\n"
         "  -o FILE   the drawing to write\n"
         "  --svg=FILE\n"
         "            the drawing's picture to write, as SVG sized to print at true size\n"
         "  --gnomon-length=LENGTH\n"
         "            the gnomon's printed length in the picture: a number with mm, cm\n"
         "            or in (default 100mm)\n";
}

Options ParseOptions(const std::vector<std::string>& args) {
  Options options;
  design::DesignInputs& in = options.inputs;
  in.longitude = {"0", "0", "0"};
  in.latitude = {"51", "32", "0.0"};
  std::string zone = "0";
  bool daylightSaving = false;
  std::string svgFileName;
  std::string gnomonLength;
  for (std::size_t i = 0; i < args.size(); ++i) {
    const std::string& arg = args[i];
    if (arg == "--help" || arg == "-h") {
      options.help = true;
    } else if (arg == "-v") {
      options.verbose = true;
    } else if (arg == "--dst") {
      daylightSaving = true;
    } else if (arg == "-o") {
      if (i + 1 == args.size()) throw UsageError("-o needs a file name");
      options.dxfFileName = args[++i];
    } else if (Value(arg, "--zone", &zone)) {
    } else if (Value(arg, "--svg", &svgFileName)) {
      if (svgFileName.empty()) throw UsageError("--svg needs a file name");
      options.svgFileName = svgFileName;
    } else if (Value(arg, "--gnomon-length", &gnomonLength)) {
      options.gnomonLength = GnomonLength(gnomonLength);
    } else if (!(Value(arg, "--long-deg", &in.longitude.degrees) ||
                 Value(arg, "--long-min", &in.longitude.minutes) ||
                 Value(arg, "--long-sec", &in.longitude.seconds) ||
                 Value(arg, "--lat-deg", &in.latitude.degrees) ||
                 Value(arg, "--lat-min", &in.latitude.minutes) ||
                 Value(arg, "--lat-sec", &in.latitude.seconds))) {
      throw UsageError("unknown option '" + arg + "'");
    }
  }
  in.zone = Zone(zone, daylightSaving);
  if (options.help) return options;
  if (!options.dxfFileName && !options.svgFileName) throw UsageError("missing -o FILE or --svg=FILE");
  if (options.dxfFileName && options.svgFileName &&
      Resolved(*options.dxfFileName) == Resolved(*options.svgFileName)) {
    throw UsageError("-o and --svg name the same file");
  }
  return options;
}

}  // namespace cli
