#include "cli/options.h"

#include <getopt.h>

#include <algorithm>
#include <cstring>
#include <iterator>
#include <string_view>

#include "cli/dial_maker_options.h"
#include "cli/echo_text.h"
#include "cli/option_values.h"
#include "platform/same_file.h"
#include "design/design_run.h"

namespace cli {
namespace {

enum OptionId : int {
  kHelp = 'h',
  kOutput = 'o',
  kVerbose = 'v',
  kVersion = 256,
  kDst,
  kZone,
  kSvg,
  kPdf,
  kPaper,
  kGnomonLength,
  kLocaleNumbers,
  kLat,
  kLatDeg,
  kLatMin,
  kLatSec,
  kLong,
  kLongDeg,
  kLongMin,
  kLongSec,
  kMinutes,
  kStyleThickness,
  kEotTable,
  kEotCsv,
};

constexpr const char* kShortOptions = ":ho:v";

constexpr option kLongOptions[] = {
    {"help", no_argument, nullptr, kHelp},
    {"version", no_argument, nullptr, kVersion},
    {"verbose", no_argument, nullptr, kVerbose},
    {"dst", no_argument, nullptr, kDst},
    {"zone", required_argument, nullptr, kZone},
    {"svg", required_argument, nullptr, kSvg},
    {"pdf", required_argument, nullptr, kPdf},
    {"paper", required_argument, nullptr, kPaper},
    {"gnomon-length", required_argument, nullptr, kGnomonLength},
    {"locale-numbers", no_argument, nullptr, kLocaleNumbers},
    {"lat", required_argument, nullptr, kLat},
    {"lat-deg", required_argument, nullptr, kLatDeg},
    {"lat-min", required_argument, nullptr, kLatMin},
    {"lat-sec", required_argument, nullptr, kLatSec},
    {"long", required_argument, nullptr, kLong},
    {"long-deg", required_argument, nullptr, kLongDeg},
    {"long-min", required_argument, nullptr, kLongMin},
    {"long-sec", required_argument, nullptr, kLongSec},
    {"minutes", required_argument, nullptr, kMinutes},
    {"style-thickness", required_argument, nullptr, kStyleThickness},
    {"eot-table", no_argument, nullptr, kEotTable},
    {"eot-csv", no_argument, nullptr, kEotCsv},
    {nullptr, 0, nullptr, 0},
};

const option* LongOption(int id) {
  for (const option* o = kLongOptions; o->name != nullptr; ++o) {
    if (o->val == id) return o;
  }
  return nullptr;
}

// The one-line message for what getopt_long refused in `arg`.
std::string Refusal(int result, int id, std::string_view arg) {
  // After a refused short option optind has passed its word only when the
  // letter ended it, so argv[optind - 1] may be an earlier long option: the
  // id tells the two apart.
  const bool longForm = arg.substr(0, 2) == "--" && (id == 0 || LongOption(id) != nullptr);
  if (!longForm) {
    const char letter[] = {static_cast<char>(id), '\0'};
    return result == ':' ? std::string("option requires an argument -- ") + QuotedEcho(letter)
                         : std::string("invalid option -- ") + QuotedEcho(letter);
  }
  const std::string_view name = arg.substr(0, arg.find('='));
  if (result == ':') return "option " + QuotedEcho(name) + " requires an argument";
  if (id != 0) return "option " + QuotedEcho(name) + " doesn't allow an argument";
  int matches = 0;
  for (const option* o = kLongOptions; o->name != nullptr; ++o) {
    if (std::string_view(o->name).substr(0, name.size() - 2) == name.substr(2)) ++matches;
  }
  return (matches > 1 ? "option " + QuotedEcho(name) + " is ambiguous"
                      : "unrecognized option " + QuotedEcho(arg));
}

// One coordinate as the options give it: whole, or box by box.
struct CoordinateArgs {
  const char* wholeOption;
  std::optional<std::string> whole;
  std::optional<std::string> boxes[3];
  const char* boxOptions[3];
};

// The three texts of one coordinate and where each came from. Once any part
// of a coordinate is given, the parts not given are 0; a coordinate not
// given at all takes `defaults`, the window's first values.
design::AngleTexts CoordinateTexts(const CoordinateArgs& args, const design::AngleTexts& defaults,
                                   BoxOrigin origins[3]) {
  for (int part = 0; part < 3; ++part) {
    if (args.whole && args.boxes[part]) {
      throw UsageError(std::string(args.wholeOption) + " cannot be given with " +
                       args.boxOptions[part]);
    }
  }
  if (args.whole) {
    for (int part = 0; part < 3; ++part) origins[part] = {args.wholeOption, *args.whole};
    return CoordinateValue(*args.whole, args.wholeOption);
  }
  const bool anyGiven = args.boxes[0] || args.boxes[1] || args.boxes[2];
  const std::string* given[3] = {&defaults.degrees, &defaults.minutes, &defaults.seconds};
  std::string texts[3];
  for (int part = 0; part < 3; ++part) {
    texts[part] = args.boxes[part] ? *args.boxes[part] : anyGiven ? "0" : *given[part];
    origins[part] = {args.boxOptions[part], texts[part]};
  }
  return {texts[0], texts[1], texts[2]};
}

// Each file asked for, under the option that named it.
struct NamedOutput {
  const char* option;
  const std::optional<std::string>& fileName;
};

void CheckOutputs(const Options& options) {
  const NamedOutput outputs[] = {{"-o", options.dxfFileName},
                                 {"--svg", options.svgFileName},
                                 {"--pdf", options.pdfFileName}};
  const bool anyFile = options.dxfFileName || options.svgFileName || options.pdfFileName;
  if (!anyFile && !options.eotCsv) throw UsageError("missing -o FILE, --svg=FILE or --pdf=FILE");
  for (const NamedOutput& output : outputs) {
    if (output.fileName && output.fileName->empty()) {
      throw UsageError(std::string(output.option) + " needs a file name");
    }
  }
  for (std::size_t i = 0; i < std::size(outputs); ++i) {
    for (std::size_t j = i + 1; j < std::size(outputs); ++j) {
      const NamedOutput& first = outputs[i];
      const NamedOutput& second = outputs[j];
      if (!first.fileName || !second.fileName) continue;
      const bool bothStandard =
          *first.fileName == kStandardOutput && *second.fileName == kStandardOutput;
      if (bothStandard) {
        throw UsageError(std::string(first.option) + " and " + second.option +
                         " cannot both be standard output");
      }
      if (*first.fileName != kStandardOutput && *second.fileName != kStandardOutput &&
          platform::NameTheSameFile(*first.fileName, *second.fileName)) {
        throw UsageError(std::string(first.option) + " and " + second.option +
                         " name the same file");
      }
    }
  }
  const bool anyStandard = std::any_of(std::begin(outputs), std::end(outputs),
                                       [](const NamedOutput& output) {
                                         return output.fileName == kStandardOutput;
                                       });
  if (options.eotCsv && anyStandard) {
    throw UsageError("--eot-csv and a FILE of - both write to standard output");
  }
}

}  // namespace

Options ParseOptions(const std::vector<std::string>& args) {
  std::vector<std::string> words{"ziradadozo-rezudor-dxf"};
  words.insert(words.end(), args.begin(), args.end());
  std::vector<char*> argv;
  for (std::string& word : words) argv.push_back(word.data());
  argv.push_back(nullptr);
  const int argc = static_cast<int>(words.size());

  Options options;
  CoordinateArgs latitude{"--lat", {}, {}, {"--lat-deg", "--lat-min", "--lat-sec"}};
  CoordinateArgs longitude{"--long", {}, {}, {"--long-deg", "--long-min", "--long-sec"}};
  std::string zone = "0";
  bool daylightSaving = false;
  DialMakerOptions dialMaker;
  // Zero starts getopt_long afresh, so that the parser can run many times.
  optind = 0;
  opterr = 0;
  for (;;) {
    const int id = getopt_long(argc, argv.data(), kShortOptions, kLongOptions, nullptr);
    if (id == -1) break;
    const std::string value = optarg != nullptr ? optarg : "";
    switch (id) {
      case kHelp:
        options.help = true;
        break;
      case kVersion:
        options.version = true;
        break;
      case kVerbose:
        options.verbose = true;
        break;
      case kDst:
        daylightSaving = true;
        break;
      case kLocaleNumbers:
        options.localeNumbers = true;
        break;
      case kZone:
        zone = value;
        break;
      case kOutput:
        options.dxfFileName = value;
        break;
      case kSvg:
        options.svgFileName = value;
        break;
      case kPdf:
        options.pdfFileName = value;
        break;
      case kPaper:
        options.paper = PaperValue(value);
        break;
      case kGnomonLength:
        options.gnomonLength = GnomonLengthValue(value);
        options.gnomonLengthGiven = true;
        break;
      case kLat:
        latitude.whole = value;
        break;
      case kLatDeg:
        latitude.boxes[0] = value;
        break;
      case kLatMin:
        latitude.boxes[1] = value;
        break;
      case kLatSec:
        latitude.boxes[2] = value;
        break;
      case kLong:
        longitude.whole = value;
        break;
      case kLongDeg:
        longitude.boxes[0] = value;
        break;
      case kLongMin:
        longitude.boxes[1] = value;
        break;
      case kLongSec:
        longitude.boxes[2] = value;
        break;
      case kMinutes:
        dialMaker.minuteStep = ReadMinuteStep(value);
        break;
      case kStyleThickness:
        ReadStyleThickness(value, dialMaker);
        break;
      case kEotTable:
        dialMaker.eotTable = true;
        break;
      case kEotCsv:
        dialMaker.eotCsv = true;
        break;
      default:
        throw UsageError(Refusal(id, optopt, argv[optind - 1]));
    }
  }
  if (optind < argc) throw UsageError("unexpected argument " + QuotedEcho(argv[optind]));
  if (options.help || options.version) return options;

  design::DesignInputs& in = options.inputs;
  BoxOrigin* origins = options.boxOrigins.data();
  in.latitude = CoordinateTexts(latitude, {"51", "32", "0"},
                                origins + static_cast<int>(design::CoordinateBox::LatDegrees));
  in.longitude = CoordinateTexts(longitude, {"0", "0", "0"},
                                 origins + static_cast<int>(design::CoordinateBox::LongDegrees));
  in.zone = ZoneValue(zone, daylightSaving);
  // A thickness with a unit is measured against the gnomon's printed length.
  options.dial = ToDialOptions(dialMaker, options.gnomonLength);
  options.eotCsv = dialMaker.eotCsv;
  CheckOutputs(options);
  return options;
}

}  // namespace cli
