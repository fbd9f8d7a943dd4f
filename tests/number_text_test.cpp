#include "platform/number_text.h"

#include <gtest/gtest.h>

#include <cmath>
#include <string>

#include "numeric_locale.h"
#include "platform/errors.h"

namespace {

using platform::ConversionError;
using platform::StrToFloat;

TEST(StrToFloat, ReadsTheNumberGrammar) {
  struct Case {
    const char* text;
    double value;
  };
  const Case cases[] = {
      {"51.5", 51.5},       {"  51.5  ", 51.5},   {"+7", 7},          {"-7", -7},
      {".", 0},             {"-.", 0},            {"5.", 5},          {".25", 0.25},
      {"1e3", 1000},        {"1E-2", 0.01},       {"1e", 1},          {"2e+", 2},
      {"2e-", 2},           {".e5", 0},           {"0000.5000", 0.5}, {"1e-400", 0},
      {"000000000000000000000000000000000000001", 1},
      {"0.000000000000000000000000000000000000001e39", 1},
  };
  for (const Case& c : cases) EXPECT_EQ(StrToFloat(c.text, "."), c.value) << c.text;
}

TEST(StrToFloat, RejectsEverythingElse) {
  const char* const cases[] = {
      "",     " ",     "-",    "+",       "e5",   "1 000", "1,000.5", "\t5", "5\t",
      "51°",  "1..2",  "--1",  "+-1",     "1e5e", "1e 5",  "1 e5",    "0x10", "nan",
      "inf",  "1e400", "5-",   "1e+-2",   "١",
  };
  for (const char* text : cases) {
    EXPECT_THROW(StrToFloat(text, "."), ConversionError) << text;
  }
}

TEST(StrToFloat, UsesTheGivenSeparatorOnly) {
  EXPECT_EQ(StrToFloat("51,5", ","), 51.5);
  EXPECT_EQ(StrToFloat(",", ","), 0);
  EXPECT_THROW(StrToFloat("51,5", "."), ConversionError);
  EXPECT_THROW(StrToFloat("0.0", ","), ConversionError);
}

TEST(StrToFloat, RoundsToTheNearestDouble) {
  EXPECT_EQ(StrToFloat("0.1", "."), 0.1);
  EXPECT_EQ(StrToFloat("51.53333333333333", "."), 51 + 32.0 / 60);
  EXPECT_EQ(StrToFloat("1.7976931348623157e308", "."), 1.7976931348623157e308);
  EXPECT_TRUE(std::signbit(StrToFloat("-0", ".")));
}

TEST(DecimalSeparator, FollowsTheProcessLocale) {
  {
    NumericLocale plain("C");
    EXPECT_EQ(platform::DecimalSeparator(), ".");
  }
  NumericLocale comma("de_DE.UTF-8");
  if (!comma.Active()) GTEST_SKIP() << "de_DE.UTF-8 missing";
  EXPECT_EQ(platform::DecimalSeparator(), ",");
  EXPECT_EQ(StrToFloat("0,5", platform::DecimalSeparator()), 0.5);
  EXPECT_THROW(StrToFloat("0.0", platform::DecimalSeparator()), ConversionError);
}

}  // namespace
