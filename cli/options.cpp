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
  const std::optional<drawing::LengthUnit> unit =
      drawing::UnitFromSymbol(std::string_view(end, last));
  if (ec != std::errc() || !unit || !std::isfinite(value) || !(value > 0)) {
    throw UsageError(
        "--gnomon-length takes a positive number and a unit mm, cm or in, such as "
        "100mm or 2.5in, not '" +
        std::string(text) + "'");
  }
  return {value, *unit};
}

// --paper: a4, letter or a3.
pdf::Paper Paper(std::string_view text) {
  const std::optional<pdf::Paper> paper = pdf::PaperFromName(text);
  if (!paper) throw UsageError("--paper takes a4, letter or a3, not '" + std::string(text) + "'");
  return *paper;
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

// Refuses two outputs that name one file: the second would overwrite the first.
void CheckDistinct(
    const std::vector<std::pair<const char*, const std::optional<std::string>*>>& outputs) {
  for (std::size_t i = 0; i < outputs.size(); ++i) {
    for (std::size_t j = i + 1; j < outputs.size(); ++j) {
      const auto& [firstName, first] = outputs[i];
      const auto& [secondName, second] = outputs[j];
      if (*first && *second && Resolved(**first) == Resolved(**second)) {
        throw UsageError(std::string(firstName) + " and " + secondName + " name the same file");
      }
    }
  }
}

}  // namespace

std::string UsageText() {
  return "usage: ziradadozo-rezudor-dxf [--long-deg=TEXT] [--long-min=TEXT] [--long-sec=TEXT]\n"
         "                              [--lat-deg=TEXT] [--lat-min=TEXT] [--lat-sec=TEXT]\n"
         "                              [--zone=OFFSET|LAT|none] [--dst] [-v]\n"
         "                              [-o FILE] [--svg=FILE] [--pdf=FILE [--paper=PAPER]]\n"
         "                              [--gnomon-length=LENGTH]\n"
         "Writes the DXF drawing of a horizontal sundial for one site, its picture as\n"
         "SVG at true size, a PDF template to print at true size, or any of them\n"
         "together; at least one of -o, --svg and --pdf is needed.\n"
         "  --long-*  longitude degrees, minutes, seconds (west positive; '-' in degrees: east)\n"
         "  --lat-*   latitude degrees, minutes, seconds (north positive; '-' in degrees: south)\n"
         "  --zone    GMT offset in whole hours, -12 to 13 (default 0); LAT for local\n"
         "            apparent time; none for no zone selected\n"
         "  --dst     the dial reads daylight saving time\n"
         "  -v        print each status text as it happens\n"
         "  -o FILE   the drawing to write\n"
         "  --svg=FILE\n"
         "            the drawing's picture to write, as SVG sized to print at true size\n"
         "  --pdf=FILE\n"
         "            a template to print at true size, tiled over pages with a check bar\n"
         "  --paper=PAPER\n"
         "            the template's paper: a4, letter or a3 (default a4)\n"
         "  --gnomon-length=LENGTH\n"
         "            the gnomon's printed length: a number with mm, cm or in (default\n"
         "            100mm for the picture and the template); given, it also draws the\n"
         "            DXF at that size, in that unit\n";
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
  std::string pdfFileName;
  std::string paper;
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
    } else if (Value(arg, "--pdf", &pdfFileName)) {
      if (pdfFileName.empty()) throw UsageError("--pdf needs a file name");
      options.pdfFileName = pdfFileName;
    } else if (Value(arg, "--paper", &paper)) {
      options.paper = Paper(paper);
    } else if (Value(arg, "--gnomon-length", &gnomonLength)) {
      options.gnomonLength = GnomonLength(gnomonLength);
      options.gnomonLengthGiven = true;
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
  if (!options.dxfFileName && !options.svgFileName && !options.pdfFileName) {
    throw UsageError("missing -o FILE or --svg=FILE");
  }
  CheckDistinct({{"-o", &options.dxfFileName},
                 {"--svg", &options.svgFileName},
                 {"--pdf", &options.pdfFileName}});
  return options;
}

}  // namespace cli
