#include "drawing/angle_text.h"

#include <gtest/gtest.h>

namespace {

TEST(FormatDms, RoundsToHundredthsOfASecondBeforeSplitting) {
  struct Case {
    double angle;
    const char* text;
  };
  const Case cases[] = {
      {0, "0'0'0.00\""},
      {51.5, "51'30'0.00\""},
      {90, "90'0'0.00\""},
      {360, "360'0'0.00\""},
      {51 + 32.0 / 60, "51'32'0.00\""},
      {45 + 59.996 / 3600, "45'1'0.00\""},
      {1.0 / 360000, "0'0'0.01\""},
      {10.341666666666667, "10'20'30.00\""},
      {216.40449690330574, "216'24'16.19\""},
      {89.999, "89'59'56.40\""},
  };
  for (const Case& c : cases) EXPECT_EQ(drawing::FormatDms(c.angle), c.text) << c.angle;
}

// The double product lands on a half although the exact product lies below
// it: 20 minutes 34.56 seconds, not 34.57.
TEST(FormatDms, DecidesAHalfOnTheExactProduct) {
  const double angle = 0.3429347222222222;
  ASSERT_EQ(angle * 360000.0, 123456.5);
  EXPECT_EQ(drawing::FormatDms(angle), "0'20'34.56\"");
}

}  // namespace
