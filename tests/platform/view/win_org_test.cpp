#include "platform/view/win_org.h"

#include <gtest/gtest.h>

#include <cstring>

namespace zv {
namespace {

DisplayWindow MakeWindow(double rotation) {
  DisplayWindow w;
  w.SetClientSize(800, 600);
  WIN_ORG o = w.Get();
  o.x = 1000.0;
  o.y = -250.0;
  o.scale = 2.5;
  o.rotation = rotation;
  EXPECT_TRUE(w.Set(o));
  return w;
}

TEST(DisplayWindow, RecordLayoutPutsOriginFirstAndScaleAtByte48) {
  WIN_ORG o;
  o.x = 3.0;
  o.y = 4.0;
  o.scale = 16.0;
  double fields[9];
  std::memcpy(fields, &o, sizeof o);
  EXPECT_EQ(fields[0], 3.0);
  EXPECT_EQ(fields[1], 4.0);
  EXPECT_EQ(fields[6], 16.0);
}

TEST(DisplayWindow, TransformsRoundTripAtAnyRotation) {
  for (double rotation : {0.0, 30.0, -90.0, 211.0}) {
    DisplayWindow w = MakeWindow(rotation);
    for (D_DOT p : {D_DOT{1000, -250}, D_DOT{1100.5, -130.25}, D_DOT{-5e5, 7e6}}) {
      const D_DOT wp = w.LpToWp(p);
      const D_DOT back = w.WpToLp(wp.x, wp.y);
      EXPECT_NEAR(back.x, p.x, 1e-6 * (1 + std::abs(p.x))) << rotation;
      EXPECT_NEAR(back.y, p.y, 1e-6 * (1 + std::abs(p.y))) << rotation;
      const D_DOT dp = w.LpToDp(p);
      EXPECT_DOUBLE_EQ(dp.x, wp.x);
      const D_DOT fromDevice = w.DpToLp(dp);
      EXPECT_NEAR(fromDevice.x, p.x, 1e-6 * (1 + std::abs(p.x)));
    }
  }
}

TEST(DisplayWindow, OriginIsTheLowerLeftCornerAndYPointsUp) {
  DisplayWindow w = MakeWindow(0.0);
  const D_DOT lowerLeft = w.WpToLp(0, 600);
  EXPECT_DOUBLE_EQ(lowerLeft.x, 1000.0);
  EXPECT_DOUBLE_EQ(lowerLeft.y, -250.0);
  const D_DOT upperRight = w.WpToLp(800, 0);
  EXPECT_DOUBLE_EQ(upperRight.x, 1000.0 + 800 / 2.5);
  EXPECT_DOUBLE_EQ(upperRight.y, -250.0 + 600 / 2.5);
  const WIN_ORG o = w.Get();
  EXPECT_DOUBLE_EQ(o.width, 320.0);
  EXPECT_DOUBLE_EQ(o.height, 240.0);
  EXPECT_DOUBLE_EQ(o.rate, 2.5);
  const D_RECT r = w.DisplayRect();
  EXPECT_DOUBLE_EQ(r.xmin, 1000.0);
  EXPECT_DOUBLE_EQ(r.ymax, -10.0);
  const L_DOT l = w.LpToWpLong({1000.5, -250.0});
  EXPECT_EQ(l.x, 1);  // 1.25 truncated
  EXPECT_EQ(l.y, 600);
}

TEST(DisplayWindow, ZoomAboutAPointKeepsItUnderTheCursor) {
  for (double rotation : {0.0, 45.0}) {
    DisplayWindow w = MakeWindow(rotation);
    const D_DOT before = w.WpToLp(123, 456);
    for (double factor : {2.0, 0.5, 10.0, 0.01}) {
      w.ZoomAbout(123, 456, factor);
      const D_DOT after = w.WpToLp(123, 456);
      EXPECT_NEAR(after.x, before.x, 1e-6);
      EXPECT_NEAR(after.y, before.y, 1e-6);
    }
    EXPECT_NEAR(w.Get().scale, 2.5 * 2 * 0.5 * 10 * 0.01, 1e-12);
  }
}

TEST(DisplayWindow, PanMovesTheMapWithTheOffset) {
  DisplayWindow w = MakeWindow(0.0);
  const D_DOT p{1100, -100};
  const D_DOT before = w.LpToWp(p);
  w.PanPixels(40, -25);
  const D_DOT after = w.LpToWp(p);
  EXPECT_NEAR(after.x - before.x, 40, 1e-9);
  EXPECT_NEAR(after.y - before.y, -25, 1e-9);
}

TEST(DisplayWindow, ShowAllFitsTheExtentCentred) {
  DisplayWindow w = MakeWindow(0.0);
  w.ShowAll({0, 0, 400, 100}, 0.0);
  EXPECT_DOUBLE_EQ(w.Get().scale, 2.0);  // width limits: 800 px / 400
  const D_DOT centre = w.LpToWp({200, 50});
  EXPECT_NEAR(centre.x, 400, 1e-9);
  EXPECT_NEAR(centre.y, 300, 1e-9);
  // A single point keeps the scale and centres on it.
  w.ShowAll({7, 7, 7, 7});
  EXPECT_DOUBLE_EQ(w.Get().scale, 2.0);
  EXPECT_NEAR(w.LpToWp({7, 7}).x, 400, 1e-9);
}

TEST(DisplayWindow, SetRejectsWhatCannotBeShown) {
  DisplayWindow w = MakeWindow(0.0);
  WIN_ORG bad = w.Get();
  bad.scale = 0.0;
  bad.width = bad.height = 0.0;
  EXPECT_FALSE(w.Set(bad));
  bad.scale = std::numeric_limits<double>::quiet_NaN();
  EXPECT_FALSE(w.Set(bad));
  EXPECT_DOUBLE_EQ(w.Get().scale, 2.5);
  // Width and height without a scale fit that extent.
  WIN_ORG fit = w.Get();
  fit.scale = 0.0;
  fit.width = 80.0;
  fit.height = 10.0;
  ASSERT_TRUE(w.Set(fit));
  EXPECT_DOUBLE_EQ(w.Get().scale, 10.0);
}

}  // namespace
}  // namespace zv
