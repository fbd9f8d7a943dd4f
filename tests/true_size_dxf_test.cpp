// The DXF drawn at the gnomon length: the same entities as the drawing in
// gnomon lengths, every length multiplied out, and its unit stated.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <string>
#include <vector>

#include "dxf/dxf_writer.h"
#include "run_tool.h"
#include "svg_picture.h"
#include "temp_folder.h"

namespace {

// Group codes whose values are lengths; the others (angles, rotation,
// colour, justification, text) must not change with the scale.
bool IsLength(int code) {
  return code == 10 || code == 20 || code == 11 || code == 21 || code == 40;
}

// The header's variables: name and value, in order.
std::vector<std::pair<std::string, std::string>> HeaderVariables(const std::string& bytes) {
  std::vector<std::string> lines;
  for (std::size_t start = 0, end; (end = bytes.find("\r\n", start)) != std::string::npos;
       start = end + 2) {
    lines.push_back(bytes.substr(start, end - start));
  }
  std::vector<std::pair<std::string, std::string>> variables;
  for (std::size_t i = 0; i + 3 < lines.size() && lines[i + 1] != "ENTITIES"; i += 2) {
    if (lines[i] == " 9") variables.push_back({lines[i + 1], lines[i + 3]});
  }
  return variables;
}

struct UnitCase {
  const char* option;
  double length;
  std::vector<std::pair<std::string, std::string>> header;
};

TEST(TrueSizeDxf, ScalesEveryLengthAndStatesTheUnit) {
  const UnitCase cases[] = {
      {"--gnomon-length=100mm", 100, {{"$INSUNITS", "4"}, {"$MEASUREMENT", "1"}}},
      {"--gnomon-length=152.4mm", 152.4, {{"$INSUNITS", "4"}, {"$MEASUREMENT", "1"}}},
      {"--gnomon-length=12.5cm", 12.5, {{"$INSUNITS", "5"}, {"$MEASUREMENT", "1"}}},
      {"--gnomon-length=4in", 4, {{"$INSUNITS", "1"}}},
      {"--gnomon-length=0.75in", 0.75, {{"$INSUNITS", "1"}}},
  };
  for (const std::vector<std::string>& site :
       {std::vector<std::string>{}, {"--lat-deg=-70", "--long-deg=30", "--zone=-2", "--dst"}}) {
    TempFolder folder;
    std::vector<std::string> plainArgs = site;
    plainArgs.insert(plainArgs.end(), {"-o", folder.File("plain.dxf")});
    ASSERT_EQ(RunTool(plainArgs).exitCode, 0);
    const std::string plainBytes = ReadFile(folder.File("plain.dxf"));
    EXPECT_TRUE(HeaderVariables(plainBytes).empty());
    const std::vector<DxfEntity> plain = ReadDxfEntities(plainBytes);
    for (const UnitCase& c : cases) {
      std::vector<std::string> args = site;
      args.insert(args.end(), {c.option, "-o", folder.File("scaled.dxf")});
      ASSERT_EQ(RunTool(args).exitCode, 0) << c.option;
      const std::string scaledBytes = ReadFile(folder.File("scaled.dxf"));
      EXPECT_EQ(HeaderVariables(scaledBytes), c.header) << c.option;
      const std::vector<DxfEntity> scaled = ReadDxfEntities(scaledBytes);
      ASSERT_EQ(scaled.size(), plain.size()) << c.option;
      for (std::size_t i = 0; i < plain.size(); ++i) {
        ASSERT_EQ(scaled[i].type, plain[i].type);
        ASSERT_EQ(scaled[i].groups.size(), plain[i].groups.size());
        for (const auto& [code, value] : plain[i].groups) {
          if (!IsLength(code)) {
            EXPECT_EQ(scaled[i].groups.at(code), value) << c.option << " group " << code;
            continue;
          }
          // Both files keep 10 significant digits, the unscaled one at most 10
          // decimals.
          const double expected = ParseNumber(value) * c.length;
          EXPECT_NEAR(scaled[i].Number(code), expected,
                      1e-9 * std::max(std::fabs(expected), c.length))
              << c.option << " group " << code << " of entity " << i;
        }
      }
    }
  }
}

TEST(TrueSizeDxf, WithoutALengthTheDrawingIsTheDefaultOne) {
  TempFolder folder;
  ASSERT_EQ(RunTool({"--svg=" + folder.File("dial.svg"), "-o", folder.File("dial.dxf")}).exitCode,
            0);
  EXPECT_EQ(ReadFile(folder.File("dial.dxf")), ReadFile(ZRD_TEST_DATA "/default-site.dxf"));
}

// The header sits between the comments and the entities, in the group
// forms of the rest of the file.
TEST(TrueSizeDxf, WritesTheUnitsHeaderBeforeTheEntities) {
  dxf::DxfWriter writer(drawing::PrintLength{150, drawing::LengthUnit::Millimetre});
  writer.AddLine(0, 0, 0, 1);
  const std::string bytes = writer.Bytes();
  const std::string expected =
      " 0\r\nSECTION\r\n 2\r\nHEADER\r\n 9\r\n$INSUNITS\r\n70\r\n4\r\n 9\r\n$MEASUREMENT\r\n"
      "70\r\n1\r\n 0\r\nENDSEC\r\n 0\r\nSECTION\r\n 2\r\nENTITIES\r\n 0\r\nLINE\r\n";
  const std::size_t header = bytes.find(" 0\r\nSECTION");
  ASSERT_NE(header, std::string::npos);
  EXPECT_EQ(bytes.substr(header, expected.size()), expected);
  EXPECT_NE(bytes.find("21\r\n150.0000000000\r\n"), std::string::npos);
}

}  // namespace
