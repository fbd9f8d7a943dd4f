#include "platform/ini/ini_file.h"
#include "platform/ini/ini_integer.h"

#include <sys/stat.h>
#include <unistd.h>

#include <gtest/gtest.h>

#include <cstdint>
#include <filesystem>
#include <limits>
#include <optional>
#include <stdexcept>
#include <string>
#include <vector>

#include "platform/errors.h"
#include "temp_folder.h"

namespace {

using namespace std::string_literals;
using platform::FileError;
using platform::IniFile;
using platform::ParseIniInteger;

constexpr std::int32_t kMin = std::numeric_limits<std::int32_t>::min();
constexpr std::int32_t kMax = std::numeric_limits<std::int32_t>::max();

TEST(ParseIniInteger, AcceptsDecimalAndHexadecimalFormsAndNothingElse) {
  struct Case {
    std::string text;
    std::optional<std::int32_t> value;
  };
  const Case cases[] = {
      {"-5", -5},
      {"14", 14},
      {"13", 13},
      {"0x0D", 13},
      {"0X0d", 13},
      {"$0D", 13},
      {"x0d", 13},
      {"X0D", 13},
      {"15", 15},
      {"-13", -13},
      {"0", 0},
      {"-0", 0},
      {"+7", 7},
      {" 7", 7},
      {"\t 7", 7},
      {"007", 7},
      {"2147483647", kMax},
      {"-2147483648", kMin},
      {"00000000002147483647", kMax},
      {"$FFFFFFFF", -1},
      {"0x80000000", kMin},
      {"0x7fffffff", kMax},
      {"0x00000000FF", 255},
      {"$000000000", 0},
      {"2147483648", std::nullopt},
      {"-2147483649", std::nullopt},
      {"99999999999999999999", std::nullopt},
      {"0x100000000", std::nullopt},
      {"$123456789", std::nullopt},
      {"abc", std::nullopt},
      {"3x", std::nullopt},
      {"", std::nullopt},
      {"   ", std::nullopt},
      {"-", std::nullopt},
      {"+", std::nullopt},
      {"+-1", std::nullopt},
      {"- 1", std::nullopt},
      {"-0x5", std::nullopt},
      {"+$5", std::nullopt},
      {"0x", std::nullopt},
      {"$", std::nullopt},
      {"x", std::nullopt},
      {"0x-1", std::nullopt},
      {"0xg", std::nullopt},
      {"0x 1", std::nullopt},
      {"7 ", std::nullopt},
      {"0x1 ", std::nullopt},
      {"1.0", std::nullopt},
      {"1e3", std::nullopt},
      {"1\0"s, std::nullopt},
      {"\xd9\xa3", std::nullopt},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(ParseIniInteger(c.text), c.value) << '"' << c.text << '"';
  }
}

class IniFileTest : public ::testing::Test {
 protected:
  IniFile WithText(const std::string& bytes) const {
    WriteFile(path, bytes);
    return IniFile(path);
  }

  // The exact message, and the file and its folder as they were.
  void ExpectWriteRefused(IniFile& ini) const {
    const std::filesystem::file_type type = std::filesystem::status(path).type();
    const bool regular = type == std::filesystem::file_type::regular;
    const std::string before = regular ? ReadFile(path) : "";
    const std::size_t entries = folder.EntryCount();
    try {
      ini.WriteString("Location", "Long Degrees", "5");
      ADD_FAILURE() << "the write was not refused";
    } catch (const FileError& error) {
      EXPECT_EQ(error.what(), "Unable to write to " + path);
      EXPECT_EQ(error.path(), path);
      EXPECT_FALSE(error.reason().empty());
    }
    EXPECT_EQ(std::filesystem::status(path).type(), type);
    if (regular) {
      EXPECT_EQ(ReadFile(path), before);
    }
    EXPECT_EQ(folder.EntryCount(), entries);
  }

  TempFolder folder;
  std::string path = folder.File("Sundial.ini");
};

TEST_F(IniFileTest, FindsTextValuesByTheFileLayout) {
  struct Case {
    std::string file;
    std::string expected;
  };
  const std::string missing = "<default>";
  const Case cases[] = {
      {"[Location]\nLong Degrees=12\n", "12"},
      {"[Location]\nLong Degrees=\n", ""},
      {"[Location]\nLong Degrees=  \t\n", ""},
      {"[location]\n  LONG degrees  =  12 ; not a comment \n", "12 ; not a comment"},
      {"  [ Location ] trailing\nLong Degrees=12\n", "12"},
      {"[Location]\r\nLong Degrees=12\r\n", "12"},
      {"[Location]\nLong Degrees=12", "12"},
      {"[Location]\nLong Degrees=\"12\"\n", "\"12\""},
      {"[Location]\nLong Degrees=a=b\n", "a=b"},
      {"[Location]\nLong Degrees=a\0b\n"s, "a\0b"s},
      {"\xEF\xBB\xBF[Location]\nLong Degrees=12\n", "12"},
      {"[Location]\nLong Degrees=1\nLong Degrees=2\n[Location]\nLong Degrees=3\n", "1"},
      {"[Location]\n[General]\n[Location]\nLong Degrees=3\n", "3"},
      {"[Location]\n; comment\n\njunk\n[broken\nLong Degrees=12\n", "12"},
      {"", missing},
      {"[Location]\n", missing},
      {"[Location]\n;Long Degrees=12\n", missing},
      {"[Location]\nLong Degrees\n", missing},
      {"[Location\nLong Degrees=12\n", missing},
      {"Long Degrees=12\n[Location]\n", missing},
      {"[General]\nLong Degrees=12\n", missing},
      {"[Location]\nLong Degrees2=12\n", missing},
      {"[Location]\n\0Long Degrees=12\n"s, missing},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(WithText(c.file).ReadString("Location", "Long Degrees", missing), c.expected)
        << c.file;
  }
}

TEST_F(IniFileTest, GivesTheDefaultsWhenTheFileIsMissingOrNoRegularFile) {
  auto expectDefaults = [](const IniFile& ini) {
    EXPECT_EQ(ini.ReadString("Location", "Lat Seconds", "0.0"), "0.0");
    EXPECT_EQ(ini.ReadInteger("Location", "Time Zone Index", 0), 0);
    EXPECT_TRUE(ini.ReadBool("Location", "DST", true));
    EXPECT_FALSE(ini.ReadBool("Location", "DST", false));
  };
  expectDefaults(IniFile(path));
  expectDefaults(IniFile(folder.File("no/such/folder/Sundial.ini")));
  expectDefaults(IniFile(""));
  std::filesystem::create_directory(path);
  expectDefaults(IniFile(path));
}

TEST_F(IniFileTest, CutsLongTextsToTheirFirst2047Characters) {
  struct Case {
    std::string stored;
    std::string expected;
  };
  const std::string e = "\xC3\xA9";
  const std::string kanji = "\xE6\x97\xA5";
  const Case cases[] = {
      {std::string(2047, 'a'), std::string(2047, 'a')},
      {std::string(2048, 'a'), std::string(2047, 'a')},
      {std::string(5000, 'a'), std::string(2047, 'a')},
      {std::string(2046, 'a') + e + "b", std::string(2046, 'a') + e},
      {std::string(2046, 'a') + kanji + kanji, std::string(2046, 'a') + kanji},
      {std::string(3000, '\xA9'), std::string(2047, '\xA9')},
  };
  for (const Case& c : cases) {
    IniFile ini = WithText("[General]\nLast File=" + c.stored + "\n");
    EXPECT_EQ(ini.ReadString("General", "Last File", ""), c.expected) << c.stored.size();
  }
}

TEST_F(IniFileTest, ReadsIntegersThroughTheGrammar) {
  struct Case {
    std::string line;
    std::int32_t expected;
  };
  const Case cases[] = {
      {"Time Zone Index=-5", -5},
      {"Time Zone Index = 0x0D ", 13},
      {"Time Zone Index=$FFFFFFFF", -1},
      {"Time Zone Index=" + std::string(3000, '0') + "7", 7},
      {"Time Zone Index=abc", 99},
      {"Time Zone Index=3x", 99},
      {"Time Zone Index=", 99},
      {"Time Zone Index=2147483648", 99},
      {"Other=7", 99},
  };
  for (const Case& c : cases) {
    IniFile ini = WithText("[Location]\n" + c.line + "\n");
    EXPECT_EQ(ini.ReadInteger("Location", "Time Zone Index", 99), c.expected) << c.line;
  }
}

TEST_F(IniFileTest, ReadsBooleansAsIntegersWithTheDefaultAsOneOrZero) {
  struct Case {
    std::optional<std::string> stored;
    bool defaultValue;
    bool expected;
  };
  const Case cases[] = {
      {"1", false, true},      {"2", false, true},     {"-1", false, true},
      {"0x10", false, true},   {"0", true, false},     {"$0", true, false},
      {"yes", false, false},   {"yes", true, true},    {"true", true, true},
      {"", false, false},      {"", true, true},       {std::nullopt, false, false},
      {std::nullopt, true, true},
  };
  for (const Case& c : cases) {
    IniFile ini = WithText(c.stored ? "[Location]\nDST=" + *c.stored + "\n" : "[Location]\n");
    EXPECT_EQ(ini.ReadBool("Location", "DST", c.defaultValue), c.expected)
        << c.stored.value_or("<missing>") << " default " << c.defaultValue;
  }
}

TEST_F(IniFileTest, TextsReadBackExactlyAsWritten) {
  const std::string values[] = {
      "",
      "0.0",
      "-0",
      "C:\\Sundials\\Ziradadozo Rezudor.dxf",
      "/home/a user/dials/Ziradadozo Rezudor.dxf",
      "a=b",
      "; x",
      "[General]",
      "\"quoted\"",
      "a  \t b",
      "\xC3\xBC\xC3\xAF \xE6\x97\xA5\xE6\x9C\xAC",
      "a\0b"s,
      std::string(2047, 'x'),
  };
  IniFile ini(path);
  for (const std::string& value : values) {
    ini.WriteString("Location", "Long Degrees", value);
    EXPECT_EQ(ini.ReadString("Location", "Long Degrees", "<default>"), value) << value;
  }
  EXPECT_EQ(ReadFile(path), "[Location]\nLong Degrees=" + std::string(2047, 'x') + "\n");
}

TEST_F(IniFileTest, IntegersAndBooleansAreStoredAsPlainDecimals) {
  struct Case {
    std::int32_t value;
    std::string stored;
  };
  const Case cases[] = {
      {kMin, "-2147483648"}, {-13, "-13"}, {0, "0"}, {14, "14"}, {kMax, "2147483647"}};
  IniFile ini(path);
  for (const Case& c : cases) {
    ini.WriteInteger("Location", "Time Zone Index", c.value);
    EXPECT_EQ(ini.ReadString("Location", "Time Zone Index", ""), c.stored);
    EXPECT_EQ(ini.ReadInteger("Location", "Time Zone Index", 77), c.value);
  }
  ini.WriteBool("Location", "DST", true);
  EXPECT_EQ(ini.ReadString("Location", "DST", ""), "1");
  EXPECT_TRUE(ini.ReadBool("Location", "DST", false));
  ini.WriteBool("Location", "DST", false);
  EXPECT_EQ(ini.ReadString("Location", "DST", ""), "0");
  EXPECT_FALSE(ini.ReadBool("Location", "DST", true));
}

// The window saves its nine keys in this order at every close; the second
// save must find and replace every key, not add them again.
TEST_F(IniFileTest, TheSaveOrderLaysOutANewFileAndReplacesItInPlace) {
  auto save = [this](const std::string& degrees, std::int32_t zone, bool dst) {
    IniFile ini(path);
    ini.WriteString("Location", "Long Degrees", degrees);
    ini.WriteString("Location", "Long Minutes", "0");
    ini.WriteString("Location", "Long Seconds", "0");
    ini.WriteString("Location", "Lat Degrees", "51");
    ini.WriteString("Location", "Lat Minutes", "32");
    ini.WriteString("Location", "Lat Seconds", "0.0");
    ini.WriteInteger("Location", "Time Zone Index", zone);
    ini.WriteString("General", "Last File", "/opt/dial/Ziradadozo Rezudor.dxf");
    ini.WriteBool("Location", "DST", dst);
  };
  auto expected = [](const std::string& degrees, const std::string& zone, const std::string& dst) {
    return "[Location]\nLong Degrees=" + degrees +
           "\nLong Minutes=0\nLong Seconds=0\nLat Degrees=51\nLat Minutes=32\n"
           "Lat Seconds=0.0\nTime Zone Index=" + zone + "\nDST=" + dst +
           "\n\n[General]\nLast File=/opt/dial/Ziradadozo Rezudor.dxf\n";
  };
  save("0", 0, false);
  EXPECT_EQ(ReadFile(path), expected("0", "0", "0"));
  save("", -13, true);
  EXPECT_EQ(ReadFile(path), expected("", "-13", "1"));
  EXPECT_EQ(folder.EntryCount(), 1u);
}

TEST_F(IniFileTest, AWriteChangesOneLineAndKeepsEveryOtherByte) {
  struct Case {
    std::string before;
    std::string section;
    std::string key;
    std::string value;
    std::string after;
  };
  const Case cases[] = {
      {"; kept\n[Location]\nLong Degrees=1\nUnknown=x\n\n[Other]\nA=b\n", "Location",
       "Long Degrees", "2", "; kept\n[Location]\nLong Degrees=2\nUnknown=x\n\n[Other]\nA=b\n"},
      {"[ location ]\n  long DEGREES = 1  \nB=2\n", "Location", "Long Degrees", "5",
       "[ location ]\nLong Degrees=5\nB=2\n"},
      {"[Location]\nDST=1\nDST=1\n[location]\nDST=1\n", "Location", "DST", "0",
       "[Location]\nDST=0\nDST=1\n[location]\nDST=1\n"},
      {"[Location]\nA=1\n; note\n\n; about General\n[General]\nB=2\n", "Location", "C", "3",
       "[Location]\nA=1\nC=3\n; note\n\n; about General\n[General]\nB=2\n"},
      {"[General]\n[Location]\n", "General", "Last File", "x",
       "[General]\nLast File=x\n[Location]\n"},
      {"[Location]\nA=1\n[General]\n[location]\nB=2\n", "Location", "C", "3",
       "[Location]\nA=1\nC=3\n[General]\n[location]\nB=2\n"},
      {"[Location]\nA=1", "Location", "B", "2", "[Location]\nA=1\nB=2\n"},
      {"[Location]\nA=1", "General", "Last File", "x",
       "[Location]\nA=1\n\n[General]\nLast File=x\n"},
      {"[Location]\nA=1\n\n", "General", "Last File", "x",
       "[Location]\nA=1\n\n[General]\nLast File=x\n"},
      {"", "General", "Last File", "x", "[General]\nLast File=x\n"},
      {"[Location]\r\nA=1\r\nB=2", "Location", "A", "9", "[Location]\r\nA=9\r\nB=2"},
      {"[Location]\r\nA=1\r\n", "Location", "B", "2", "[Location]\r\nA=1\r\nB=2\r\n"},
      {"[Location]\r\nA=1\r\n", "General", "C", "3",
       "[Location]\r\nA=1\r\n\r\n[General]\r\nC=3\r\n"},
      {"\xEF\xBB\xBF[Location]\nA=1\n", "Location", "A", "2", "\xEF\xBB\xBF[Location]\nA=2\n"},
      {"A=1\n[Location]\n", "Location", "A", "2", "A=1\n[Location]\nA=2\n"},
      {"[Loc\n=\n\0junk\r\n[Location]\nA=1\n"s, "Location", "A", "2",
       "[Loc\n=\n\0junk\r\n[Location]\nA=2\n"s},
      {"[Location]\n", " Location ", " A ", "1", "[Location]\nA=1\n"},
  };
  for (const Case& c : cases) {
    IniFile ini = WithText(c.before);
    ini.WriteString(c.section, c.key, c.value);
    EXPECT_EQ(ReadFile(path), c.after) << c.before;
  }
}

// A value holding a line break must not plant lines of its own in the file.
TEST_F(IniFileTest, AValueKeepsOnlyItsFirstLine) {
  const std::string values[] = {"x\n[General]\nLast File=/etc/passwd", "x\r\nLast File=y", "x\rz"};
  for (const std::string& value : values) {
    IniFile ini = WithText("[Location]\n");
    ini.WriteString("Location", "Long Degrees", value);
    EXPECT_EQ(ReadFile(path), "[Location]\nLong Degrees=x\n");
    EXPECT_EQ(ini.ReadString("General", "Last File", "<default>"), "<default>");
  }
}

TEST_F(IniFileTest, RefusesNamesThatWouldNotReadBack) {
  struct Case {
    std::string section;
    std::string key;
  };
  const Case cases[] = {
      {"Loc]ation", "A"},  {"Loc\nation", "A"}, {"Location", "A=B"},  {"Location", ";A"},
      {"Location", " [A"}, {"Location", "A\r"}, {"Location", "A\nB"},
  };
  for (const Case& c : cases) {
    IniFile ini = WithText("[Location]\nA=1\n");
    EXPECT_THROW(ini.WriteString(c.section, c.key, "2"), std::invalid_argument) << c.key;
    EXPECT_EQ(ReadFile(path), "[Location]\nA=1\n");
  }
}

TEST_F(IniFileTest, RefusesAPathThatCannotHoldTheFile) {
  std::filesystem::create_directory(path);
  IniFile folderAtPath(path);
  ExpectWriteRefused(folderAtPath);
  std::filesystem::remove(path);

  path = folder.File("missing/Sundial.ini");
  IniFile inMissingFolder(path);
  ExpectWriteRefused(inMissingFolder);
}

TEST_F(IniFileTest, WritesThroughADanglingLinkAndKeepsTheLink) {
  const std::string real = folder.File("real.ini");
  std::filesystem::create_symlink("real.ini", path);
  IniFile ini(path);
  ini.WriteInteger("Location", "Long Degrees", 5);
  EXPECT_TRUE(std::filesystem::is_symlink(path));
  EXPECT_EQ(ReadFile(real), "[Location]\nLong Degrees=5\n");
}

// Run as an unprivileged user: root may read and write anything.
class IniFileUnprivileged : public IniFileTest {
 protected:
  void SetUp() override {
    if (::geteuid() == 0) GTEST_SKIP() << "runs again as an unprivileged user";
  }
};

TEST_F(IniFileUnprivileged, RefusesAReadOnlyFile) {
  IniFile ini = WithText("; mine\n[Location]\nLong Degrees=1\n");
  ::chmod(path.c_str(), 0444);
  ExpectWriteRefused(ini);
  EXPECT_EQ(ini.ReadString("Location", "Long Degrees", ""), "1");
}

TEST_F(IniFileUnprivileged, RefusesANewFileInAFolderClosedToWriting) {
  IniFile ini(path);
  ::chmod(folder.Path().c_str(), 0555);
  ExpectWriteRefused(ini);
}

// Replacing a file that cannot be read would lose every line but the one
// written.
TEST_F(IniFileUnprivileged, NeitherReadsNorReplacesAnUnreadableFile) {
  IniFile ini = WithText("; mine\n[Location]\nLong Degrees=1\n");
  ::chmod(path.c_str(), 0200);
  EXPECT_EQ(ini.ReadString("Location", "Long Degrees", "0"), "0");
  ExpectWriteRefused(ini);
  ::chmod(path.c_str(), 0600);
  EXPECT_EQ(ReadFile(path), "; mine\n[Location]\nLong Degrees=1\n");
}

// An administrator's world-writable settings file beside a system-wide
// install: the folder takes no new file, the file itself may be written.
TEST_F(IniFileUnprivileged, WritesAWritableFileInAFolderClosedToWriting) {
  IniFile ini = WithText("; shared\n[Location]\nLong Degrees=1\n");
  ::chmod(path.c_str(), 0666);
  ::chmod(folder.Path().c_str(), 0555);
  ini.WriteInteger("Location", "Long Degrees", 7);
  EXPECT_EQ(ReadFile(path), "; shared\n[Location]\nLong Degrees=7\n");
}

}  // namespace
