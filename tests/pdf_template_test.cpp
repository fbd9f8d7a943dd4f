// The PDF template as poppler-utils read it back: its pages, their sizes,
// their texts, the check bar's printed length and that every page shows
// part of the drawing.
#include <gtest/gtest.h>
#include <locale.h>

#include <cmath>
#include <cstdio>
#include <memory>
#include <string>
#include <vector>

#include "run_tool.h"
#include "tool_usage.h"
#include "svg_picture.h"
#include "temp_folder.h"

namespace {

constexpr double kPointsPerMm = 72 / 25.4;

bool HavePoppler() { return std::system("command -v pdfinfo pdftotext pdftoppm >/dev/null") == 0; }

std::string Capture(const std::string& command) {
  std::unique_ptr<FILE, int (*)(FILE*)> pipe(::popen(command.c_str(), "r"), ::pclose);
  std::string out;
  char buffer[4096];
  for (std::size_t n; pipe && (n = std::fread(buffer, 1, sizeof buffer, pipe.get())) > 0;) {
    out.append(buffer, n);
  }
  return out;
}

// The number after `label` in pdfinfo's report.
double InfoNumber(const std::string& info, const std::string& label) {
  const std::size_t at = info.find(label);
  if (at == std::string::npos) throw std::runtime_error("no " + label + " in\n" + info);
  return std::stod(info.substr(at + label.size()));
}

struct PageSize {
  double width;
  double height;
};

std::vector<PageSize> PageSizes(const std::string& pdf) {
  const std::string info = Capture("pdfinfo " + ShellQuoted(pdf));
  const int pages = static_cast<int>(InfoNumber(info, "Pages:"));
  const std::string all =
      Capture("pdfinfo -f 1 -l " + std::to_string(pages) + " " + ShellQuoted(pdf));
  std::vector<PageSize> sizes;
  for (int page = 1; page <= pages; ++page) {
    const std::string label = "Page " +
                              std::string(page < 10    ? "   "
                                          : page < 100 ? "  "
                                                       : " ") +
                              std::to_string(page) + " size:";
    const std::size_t at = all.find(label);
    if (at == std::string::npos) throw std::runtime_error("no " + label);
    const std::string rest = all.substr(at + label.size());
    sizes.push_back({std::stod(rest), std::stod(rest.substr(rest.find(" x ") + 3))});
  }
  return sizes;
}

std::string PageText(const std::string& pdf, int page) {
  return Capture("pdftotext -f " + std::to_string(page) + " -l " + std::to_string(page) + " " +
                 ShellQuoted(pdf) + " -");
}

// One page as poppler renders it, 8-bit RGB.
struct Raster {
  int width = 0;
  int height = 0;
  std::string pixels;

  const unsigned char* At(int x, int y) const {
    return reinterpret_cast<const unsigned char*>(pixels.data()) + 3 * (std::size_t(y) * width + x);
  }
};

Raster Render(const std::string& pdf, int page, int dpi, const TempFolder& folder) {
  const std::string prefix = folder.File("page");
  std::system(("pdftoppm -r " + std::to_string(dpi) + " -f " + std::to_string(page) + " -l " +
               std::to_string(page) + " -singlefile " + ShellQuoted(pdf) + " " + prefix)
                  .c_str());
  const std::string ppm = ReadFile(prefix + ".ppm");
  Raster raster;
  int maxValue = 0;
  int headerLength = 0;
  if (std::sscanf(ppm.c_str(), "P6 %d %d %d%n", &raster.width, &raster.height, &maxValue,
                  &headerLength) != 3 ||
      maxValue != 255) {
    throw std::runtime_error("not an 8-bit PPM");
  }
  raster.pixels = ppm.substr(headerLength + 1);
  if (raster.pixels.size() != 3 * std::size_t(raster.width) * raster.height) {
    throw std::runtime_error("short PPM");
  }
  return raster;
}

bool Black(const unsigned char* p) { return p[0] < 80 && p[1] < 80 && p[2] < 80; }
bool Blue(const unsigned char* p) { return p[2] > 160 && p[0] < 120 && p[1] < 120; }

// The longest horizontal run of black pixels on the page: the check bar,
// whose ends are the only black things that far apart on one line.
int LongestBlackRun(const Raster& raster) {
  int longest = 0;
  for (int y = 0; y < raster.height; ++y) {
    int run = 0;
    for (int x = 0; x < raster.width; ++x) {
      run = Black(raster.At(x, y)) ? run + 1 : 0;
      longest = std::max(longest, run);
    }
  }
  return longest;
}

struct PaperCase {
  const char* paper;
  const char* gnomonLength;
  PageSize upright;
  double checkMm;
  const char* checkText;
  bool onePage;
};

const PaperCase kPapers[] = {
    {"a4", "100mm", {595.28, 841.89}, 100, "100 mm", false},
    {"a4", "20mm", {595.28, 841.89}, 100, "100 mm", true},
    {"letter", "4in", {612, 792}, 101.6, "4 in", false},
    {"letter", "0.8in", {612, 792}, 101.6, "4 in", true},
    {"a3", "9cm", {841.89, 1190.55}, 100, "100 mm", false},
};

void PrintTo(const PaperCase& c, std::ostream* out) { *out << c.paper << " " << c.gnomonLength; }

class PdfTemplate : public ::testing::TestWithParam<PaperCase> {
 protected:
  void SetUp() override {
    if (!HavePoppler()) GTEST_SKIP() << "poppler-utils missing";
    const PaperCase& c = GetParam();
    const ToolRun run = RunTool({"--pdf=" + pdf_, std::string("--paper=") + c.paper,
                                 std::string("--gnomon-length=") + c.gnomonLength});
    ASSERT_EQ(run.exitCode, 0) << run.err;
    sizes_ = PageSizes(pdf_);
    ASSERT_FALSE(sizes_.empty());
  }

  TempFolder folder_;
  std::string pdf_ = folder_.File("template.pdf");
  std::vector<PageSize> sizes_;
};

TEST_P(PdfTemplate, EveryPageHasThePapersExactSize) {
  const PageSize upright = GetParam().upright;
  const bool turned = sizes_[0].width > sizes_[0].height;
  for (const PageSize& size : sizes_) {
    EXPECT_NEAR(size.width, turned ? upright.height : upright.width, 0.01);
    EXPECT_NEAR(size.height, turned ? upright.width : upright.height, 0.01);
  }
  EXPECT_EQ(sizes_.size() == 1, GetParam().onePage) << sizes_.size() << " pages";
}

// The key on the first page names the grid; every page is named in it, in
// reading order, and says what its check bar must measure.
TEST_P(PdfTemplate, NamesEveryPageInTheGridTheKeyShows) {
  const std::string first = PageText(pdf_, 1);
  const std::size_t key = first.find("Assembly (");
  ASSERT_NE(key, std::string::npos) << first;
  int columns = 0;
  int rows = 0;
  ASSERT_EQ(std::sscanf(first.c_str() + key, "Assembly (%d x %d pages)", &columns, &rows), 2);
  ASSERT_EQ(sizes_.size(), std::size_t(columns * rows));
  for (int page = 1; page <= columns * rows; ++page) {
    const std::string text = PageText(pdf_, page);
    const std::string name = std::string(1, static_cast<char>('A' + (page - 1) % columns)) +
                             std::to_string((page - 1) / columns + 1);
    EXPECT_NE(text.find(name + "\n"), std::string::npos) << "page " << page << ":\n" << text;
    EXPECT_NE(text.find(std::string("must measure exactly ") + GetParam().checkText),
              std::string::npos)
        << text;
    if (page > 1) {
      EXPECT_EQ(text.find("Assembly ("), std::string::npos);
    }
  }
}

// Rendered at 254 dpi, ten pixels to the millimetre, the bar measures its
// length to within two tenths of a millimetre, on the first page and the last.
TEST_P(PdfTemplate, PrintsTheCheckBarAtItsLength) {
  for (int page : {1, static_cast<int>(sizes_.size())}) {
    const Raster raster = Render(pdf_, page, 254, folder_);
    const double barPoints = LongestBlackRun(raster) * 72.0 / 254;
    EXPECT_NEAR(barPoints, GetParam().checkMm * kPointsPerMm, 0.2 * kPointsPerMm)
        << "page " << page;
  }
}

// At 72 dpi every page shows blue lines or texts of the drawing.
TEST_P(PdfTemplate, NoPageIsBlank) {
  for (int page = 1; page <= static_cast<int>(sizes_.size()); ++page) {
    const Raster raster = Render(pdf_, page, 72, folder_);
    int blue = 0;
    for (int y = 0; y < raster.height; ++y) {
      for (int x = 0; x < raster.width; ++x) blue += Blue(raster.At(x, y));
    }
    EXPECT_GT(blue, 50) << "page " << page;
  }
}

INSTANTIATE_TEST_SUITE_P(Papers, PdfTemplate, ::testing::ValuesIn(kPapers));

struct Word {
  std::string text;
  double centreX;
  double top;
};

// The words of page 1 with their boxes, as pdftotext -bbox reads them (y
// down from the top of the page).
std::vector<Word> PageWords(const std::string& pdf) {
  const std::string html = Capture("pdftotext -f 1 -l 1 -bbox " + ShellQuoted(pdf) + " -");
  std::vector<Word> words;
  for (std::size_t at = 0; (at = html.find("<word ", at)) != std::string::npos; ++at) {
    double xMin = 0, yMin = 0, xMax = 0, yMax = 0;
    char text[256] = {};
    if (std::sscanf(html.c_str() + at,
                    "<word xMin=\"%lf\" yMin=\"%lf\" xMax=\"%lf\" yMax=\"%lf\">%255[^<]", &xMin,
                    &yMin, &xMax, &yMax, text) == 5) {
      words.push_back({text, (xMin + xMax) / 2, yMin});
    }
  }
  return words;
}

// The drawing's one-word texts that stand upright at the same size lie as far
// apart on the page as in the DXF drawn at the same length, in millimetres.
TEST(PdfScale, PlacesTheDrawingsTextsAtTrueSize) {
  if (!HavePoppler()) GTEST_SKIP() << "poppler-utils missing";
  TempFolder folder;
  ASSERT_EQ(RunTool({"--gnomon-length=20mm", "-o", folder.File("dial.dxf"),
                     "--pdf=" + folder.File("dial.pdf")})
                .exitCode,
            0);
  ASSERT_EQ(PageSizes(folder.File("dial.pdf")).size(), 1u);
  const std::vector<Word> words = PageWords(folder.File("dial.pdf"));
  auto onlyWord = [&](const std::string& text) -> const Word* {
    const Word* found = nullptr;
    for (const Word& word : words) {
      if (word.text != text) continue;
      if (found) return nullptr;
      found = &word;
    }
    return found;
  };
  std::vector<std::pair<DxfEntity, Word>> pairs;
  for (const DxfEntity& text : OfType(ReadDxfEntities(ReadFile(folder.File("dial.dxf"))), "TEXT")) {
    const std::string& value = text.groups.at(1);
    if (text.groups.at(50) != "0" || value.find(' ') != std::string::npos) continue;
    if (const Word* word = onlyWord(value)) pairs.push_back({text, *word});
  }
  ASSERT_GE(pairs.size(), 2u);
  const auto& [firstText, firstWord] = pairs.front();
  for (const auto& [text, word] : pairs) {
    EXPECT_NEAR(word.centreX - firstWord.centreX,
                (text.Number(10) - firstText.Number(10)) * kPointsPerMm, 0.3)
        << text.groups.at(1);
    EXPECT_NEAR(firstWord.top - word.top, (text.Number(20) - firstText.Number(20)) * kPointsPerMm,
                0.3)
        << text.groups.at(1);
  }
}

TEST(PdfLocale, BytesDoNotDependOnTheLocale) {
  locale_t german = ::newlocale(LC_ALL_MASK, "de_DE.UTF-8", nullptr);
  if (german == nullptr) GTEST_SKIP() << "de_DE.UTF-8 missing";
  ::freelocale(german);
  TempFolder folder;
  const std::vector<std::string> args = {"--lat-sec=0", "--gnomon-length=12.5cm", "--paper=letter"};
  std::vector<std::string> c = args;
  c.push_back("--pdf=" + folder.File("c.pdf"));
  std::vector<std::string> de = args;
  de.push_back("--pdf=" + folder.File("de.pdf"));
  ASSERT_EQ(RunTool(c).exitCode, 0);
  ASSERT_EQ(RunTool(de, "de_DE.UTF-8").exitCode, 0);
  EXPECT_EQ(ReadFile(folder.File("de.pdf")), ReadFile(folder.File("c.pdf")));
}

// The drawing, the picture and the template are saved together or not at all.
TEST(PdfTogether, SavesAllThreeOrNone) {
  TempFolder folder;
  const std::vector<std::string> all = InFolder(
      {"-o", "@/dial.dxf", "--svg=@/dial.svg", "--pdf=@/dial.pdf", "--gnomon-length=5cm"}, folder);
  ASSERT_EQ(RunTool(all).exitCode, 0);
  EXPECT_EQ(folder.EntryCount(), 3u);
  EXPECT_EQ(ReadFile(folder.File("dial.pdf")).rfind("%PDF-1.4\n", 0), 0u);

  const std::vector<std::vector<std::string>> failing = {
      {"-o", "@/dial.dxf", "--svg=@/dial.svg", "--pdf=@/missing/dial.pdf"},
      {"-o", "@/missing/dial.dxf", "--svg=@/dial.svg", "--pdf=@/dial.pdf"},
      {"--lat-deg=90", "-o", "@/dial.dxf", "--svg=@/dial.svg", "--pdf=@/dial.pdf"},
      // A template of thousands of pages is refused, not written.
      {"--gnomon-length=5000mm", "-o", "@/dial.dxf", "--svg=@/dial.svg", "--pdf=@/dial.pdf"},
  };
  for (const std::vector<std::string>& args : failing) {
    TempFolder other;
    WriteFile(other.File("dial.dxf"), "old drawing");
    WriteFile(other.File("dial.svg"), "old picture");
    WriteFile(other.File("dial.pdf"), "old template");
    EXPECT_EQ(RunTool(InFolder(args, other)).exitCode, 1);
    EXPECT_EQ(ReadFile(other.File("dial.dxf")), "old drawing");
    EXPECT_EQ(ReadFile(other.File("dial.svg")), "old picture");
    EXPECT_EQ(ReadFile(other.File("dial.pdf")), "old template");
    EXPECT_EQ(other.EntryCount(), 3u);
  }
}

TEST(PdfUsage, RefusesBadOptionsAndWritesNothing) {
  const std::vector<UsageCase> cases = {
      {{"--pdf=@/t.pdf", "--paper=b5"}, "--paper takes a4, letter or a3, not 'b5'"},
      {{"--pdf=@/t.pdf", "--paper=A4"}, "--paper takes a4, letter or a3, not 'A4'"},
      {{"--pdf="}, "--pdf needs a file name"},
      {{"-o", "@/dial", "--pdf=@/./dial"}, "-o and --pdf name the same file"},
      {{"--svg=@/dial", "--pdf=@/dial"}, "--svg and --pdf name the same file"},
  };
  ExpectUsageErrorsInFolder(cases);
}

}  // namespace
