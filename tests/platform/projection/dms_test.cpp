#include <gtest/gtest.h>

#include <cmath>

#include "platform/projection/dms.h"

namespace zv {
namespace {

TEST(ProjDms, PacksAndUnpacksWithCarry) {
  struct Case {
    double seconds;
    double packed;
  };
  const Case cases[] = {
      {117 * 3600.0 + 30 * 60, 1173000},          // 117°30′
      {39 * 3600.0 + 22 * 60 + 30.5, 392230.5},  // 39°22′30.5″
      {225, 345},                                // 0°3′45″
      {-(114 * 3600.0 + 33 * 60 + 45), -1143345},
      {3599.9999999999, 10000},  // a hair below a degree carries through the minutes
      {0, 0},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.seconds);
    EXPECT_NEAR(ProjSecondsToDms(c.seconds), c.packed, 1e-6);
    double back = c.packed;
    ASSERT_TRUE(ProjDmsToSeconds(&back));
    EXPECT_NEAR(back, c.seconds, 1e-6);
  }
}

TEST(ProjDms, SplitsTheMagnitudeAndRefusesSixtyMinutesOrSeconds) {
  const DmsParts parts = ProjSplitDms(-1160503.25);
  EXPECT_TRUE(parts.negative);
  EXPECT_EQ(parts.degrees, 116);
  EXPECT_EQ(parts.minutes, 5);
  EXPECT_NEAR(parts.seconds, 3.25, 1e-9);
  for (double bad : {1176000.0, 1170060.0, 1179999.0, std::nan(""), 1e300}) {
    SCOPED_TRACE(bad);
    double value = bad;
    EXPECT_FALSE(ProjDmsToSeconds(&value));
    if (!std::isnan(bad)) {
      EXPECT_EQ(value, bad);
    }
  }
}

}  // namespace
}  // namespace zv
