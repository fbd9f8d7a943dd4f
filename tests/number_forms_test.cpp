#include "drawing/decimal_digits.h"
#include "dxf/number_forms.h"

#include <gtest/gtest.h>

#include <cmath>

#include "numeric_locale.h"

namespace {

struct Case {
  double value;
  const char* text;
};

TEST(CoordinateForm, WritesTenDecimalsFromTenSignificantDigits) {
  const Case cases[] = {
      {0.0, "0.0000000000"},
      {-0.0, "0.0000000000"},
      {-0.00000000004, "0.0000000000"},
      {-0.00000000006, "-0.0000000001"},
      {0.00000000005, "0.0000000001"},
      {0.15, "0.1500000000"},
      {-0.2, "-0.2000000000"},
      {0.00001234, "0.0000123400"},
      {1.2586746615892908, "1.2586746620"},
      {51.53333333333333, "51.5333333300"},
      {57295.779507212894, "57295.7795100000"},
      {0.99999999999, "1.0000000000"},
      {9999999999.9, "1E10"},
      {12345678901.5, "1.23456789E10"},
      {1 / std::tan(90 * 0.017453292519943295), "0.0000000000"},
      {-0.3390360369138398, "-0.3390360369"},
      {360.0, "360.0000000000"},
  };
  for (const Case& c : cases) EXPECT_EQ(dxf::FormatCoordinate(c.value), c.text) << c.value;
}

TEST(GeneralForm, DropsTrailingZerosAndSwitchesToExponents) {
  const Case cases[] = {
      {0.0, "0"},
      {-0.0, "0"},
      {90, "90"},
      {180, "180"},
      {270, "270"},
      {0.0001, "0.0001"},
      {-0.5, "-0.5"},
      {33.333333333333336, "33.3333333333333"},
      {0.00001, "1E-5"},
      {0.00000015, "1.5E-7"},
      {1e20, "1E20"},
      {123456789012345678.0, "1.23456789012346E17"},
      {999999999999999.9, "1E15"},
  };
  for (const Case& c : cases) EXPECT_EQ(dxf::FormatGeneral(c.value), c.text) << c.value;
}

TEST(FormatFixed, KeepsFifteenDigitsAndTheGivenDecimals) {
  struct FixedCase {
    double value;
    int decimals;
    const char* text;
  };
  const FixedCase cases[] = {
      {0.01, 2, "0.01"},
      {30.0, 2, "30.00"},
      {59.99, 2, "59.99"},
      {0.125, 2, "0.13"},  // the 18-digit text ends in 5: a half rounds up
      {2.5, 0, "3"},
      {0.4, 0, "0"},
      {-0.004, 2, "0.00"},
      {1234.5678, 18, "1234.567800000000000000"},
      {1e16, 2, "1E16"},
  };
  for (const FixedCase& c : cases) {
    EXPECT_EQ(drawing::FormatFixed(c.value, c.decimals), c.text) << c.value << " " << c.decimals;
  }
}

// 0.1 + 0.2 is 0.30000000000000004440892098500626...: its 18-digit text
// is 0.300000000000000044, which the 15-digit fixed form rounds away.
TEST(FormatFixed, RoundsTheEighteenDigitTextNotTheBinaryValue) {
  EXPECT_EQ(drawing::FormatFixed(0.1 + 0.2, 17), "0.30000000000000000");
}

TEST(CommaLocale, NumbersStillUseAPoint) {
  NumericLocale comma("de_DE.UTF-8");
  if (!comma.Active()) GTEST_SKIP() << "de_DE.UTF-8 missing";
  EXPECT_EQ(dxf::FormatCoordinate(-0.2), "-0.2000000000");
  EXPECT_EQ(dxf::FormatGeneral(33.333333333333336), "33.3333333333333");
  EXPECT_EQ(drawing::FormatFixed(12345.5, 2), "12345.50");
}

}  // namespace
