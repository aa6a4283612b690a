#include "common/measure/dist_angle_values.h"

#include <gtest/gtest.h>

namespace zv {
namespace {

TEST(DistAngleValues, RelativeAnglesFoldingAndRealLengths) {
  struct Case {
    double line;
    bool fits;
    double relative;
  };
  const Case cases[] = {{0, true, 90}, {360, true, -270}, {-270, true, 360}, {-300, true, 30}, {-360, false, 7}};
  for (const Case& c : cases) {
    double relative = 7;
    EXPECT_EQ(RelativeFromLine(c.line, relative), c.fits) << c.line;
    EXPECT_EQ(relative, c.relative) << c.line;
  }
  EXPECT_EQ(FoldAngle(725), 5);
  EXPECT_EQ(FoldAngle(-725), -5);
  EXPECT_EQ(FoldAngle(-360), -360);
  DistAngleValues v;
  v.scale = 2000;
  v.mapDistance = 12.5;
  v.totalLength = 40;
  UpdateRealLengths(v);
  EXPECT_DOUBLE_EQ(v.realDistance, 25);
  EXPECT_DOUBLE_EQ(v.realTotal, 80);
}

}  // namespace
}  // namespace zv
