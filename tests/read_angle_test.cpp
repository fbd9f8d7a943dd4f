#include "design/read_angle.h"

#include <gtest/gtest.h>

#include "platform/errors.h"

namespace {

using design::AngleTexts;
using design::ReadAngle;

TEST(ReadAngle, TakesItsSignFromTheDegreesBoxAlone) {
  struct Case {
    AngleTexts texts;
    double degrees;
  };
  const Case cases[] = {
      {{"51", "32", "0"}, 51 + 32.0 / 60},
      {{"-0", "30", "0"}, -0.5},
      {{"10", "-30", "0"}, 10.5},
      {{"51", "75", "0"}, 52.25},
      {{"-33", "52", "0"}, -(33 + 52.0 / 60)},
      {{"1e-5", "0", "0"}, -0.00001},  // a "-" anywhere in the degrees text
      {{"180", "0", "1"}, 180 + 1.0 / 3600},
      {{" 51.5 ", "0", "-36"}, 51.5 + 0.0 + 36.0 / 3600},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(ReadAngle(c.texts, "."), c.degrees) << c.texts.degrees << " " << c.texts.minutes;
  }
}

TEST(ReadAngle, FailsOnAnyBoxThatIsNoNumber) {
  const AngleTexts cases[] = {
      {"", "0", "0"}, {"51", "", "0"}, {"51", "0", ""}, {"51,5", "0", "0"}, {"51°", "0", "0"},
  };
  for (const AngleTexts& texts : cases) {
    EXPECT_THROW(ReadAngle(texts, "."), platform::ConversionError) << texts.degrees;
  }
}

}  // namespace
