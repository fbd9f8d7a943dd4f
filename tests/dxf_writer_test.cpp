#include "dxf/dxf_writer.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

constexpr std::size_t kHeaderLines = 10;
constexpr std::size_t kFooterLines = 4;

// Every line of the file, each of which must end in CR LF.
std::vector<std::string> FileLines(const dxf::DxfWriter& writer) {
  const std::string bytes = writer.Bytes();
  std::vector<std::string> lines;
  std::size_t start = 0;
  for (std::size_t end; (end = bytes.find("\r\n", start)) != std::string::npos; start = end + 2) {
    lines.push_back(bytes.substr(start, end - start));
  }
  EXPECT_EQ(start, bytes.size()) << "the last line does not end in CR LF";
  return lines;
}

// The lines the entities added, between the header and the footer.
std::vector<std::string> Lines(const dxf::DxfWriter& writer) {
  const std::vector<std::string> lines = FileLines(writer);
  return {lines.begin() + kHeaderLines, lines.end() - kFooterLines};
}

TEST(DxfWriter, WritesTheLineRecord) {
  dxf::DxfWriter writer;
  writer.AddLine(0, 0, 0, 1);
  EXPECT_EQ(Lines(writer), (std::vector<std::string>{" 0", "LINE", " 8", "SUNDIAL", "62", "5", "10",
                                                     "0.0000000000", "20", "0.0000000000", "11",
                                                     "0.0000000000", "21", "1.0000000000"}));
}

TEST(DxfWriter, WritesTheArcRecordWithCoordinateFormAngles) {
  dxf::DxfWriter writer;
  writer.AddArc(2, 0, 0.15, 0, 51.53333333333333);
  EXPECT_EQ(Lines(writer),
            (std::vector<std::string>{" 0", "ARC", " 8", "SUNDIAL", "62", "5", "10", "2.0000000000",
                                      "20", "0.0000000000", "40", "0.1500000000", "50",
                                      "0.0000000000", "51", "51.5333333300"}));
}

TEST(DxfWriter, WritesTheTextRecordWithBothAlignmentPoints) {
  dxf::DxfWriter writer;
  writer.AddText("Angle = 51'32'0.00\"", 0, 2.5, -0.4);
  EXPECT_EQ(Lines(writer), (std::vector<std::string>{
                               " 0", "TEXT", " 8", "SUNDIAL", "62", "5", "40", "0.075", "50", "0",
                               "72", "1", "1", "Angle = 51'32'0.00\"", "10", "2.5000000000", "20",
                               "-0.4000000000", "11", "2.5000000000", "21", "-0.4000000000"}));
  dxf::DxfWriter turned;
  turned.AddText("7", 270, -0.59, 0);
  EXPECT_EQ(Lines(turned)[9], "270");
}

TEST(DxfWriter, FramesTheEntitiesSectionAndEndsEveryLineInCrLf) {
  const dxf::DxfWriter writer;
  const std::vector<std::string> lines = FileLines(writer);
  ASSERT_EQ(lines.size(), 14u);
  EXPECT_EQ(lines[0], "999");
  EXPECT_EQ(lines[1], "DXF File Produced by Quennet's Ziradadozo Rezudor Program");
  EXPECT_EQ(lines[4], "999");
  EXPECT_EQ(lines[5].rfind("e-mail: ", 0), 0u);
  EXPECT_EQ(std::vector<std::string>(lines.begin() + 6, lines.end()),
            (std::vector<std::string>{" 0", "SECTION", " 2", "ENTITIES", " 0", "ENDSEC", " 0", "EOF"}));

  std::string expected;
  for (const std::string& line : lines) expected += line + "\r\n";
  EXPECT_EQ(writer.Bytes(), expected);
  for (char c : writer.Bytes()) EXPECT_TRUE(c > 0 && c < 127) << int(c);
}

}  // namespace
