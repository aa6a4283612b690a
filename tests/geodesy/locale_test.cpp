// Numbers go through text in three places (the coordinate rounding, the fit's
// rounding and matrices read from text); all of them must read and write a
// decimal point whatever locale the user interface has set.

#include <gtest/gtest.h>

#include <clocale>
#include <string>

#include "geodesy/geo_point.h"
#include "geodesy/matrix.h"
#include "geodesy/seven_parameter_fit.h"

namespace {

class CommaDecimalLocale : public testing::Test {
 protected:
  void SetUp() override {
    previous_ = std::setlocale(LC_ALL, nullptr);
    if (!std::setlocale(LC_ALL, "de_DE.UTF-8")) GTEST_SKIP() << "de_DE.UTF-8 is not installed";
  }
  void TearDown() override { std::setlocale(LC_ALL, previous_.c_str()); }

 private:
  std::string previous_;
};

TEST_F(CommaDecimalLocale, NumbersKeepTheirDecimalPoint) {
  CGeoPoint point;
  point.SetCoords(0.1 + 0.2, 2.5, 1.0 / 3.0, CGeoPoint::kAsStored);
  double x = 0, y = 0, z = 0;
  point.GetCoords(&x, &y, &z, CGeoPoint::kAsStored);
  EXPECT_EQ(x, 0.3);
  EXPECT_EQ(y, 2.5);
  EXPECT_EQ(z, 0.333333333333333);

  CMatrix m;
  ASSERT_TRUE(m.FromString("1.5 2.25\n-0.125 3", " ", true));
  EXPECT_EQ(m.GetAt(0, 0), 1.5);
  EXPECT_EQ(m.GetAt(0, 1), 2.25);
  EXPECT_EQ(m.GetAt(1, 0), -0.125);

  // An identity fit: a pure translation of 0.5 m.
  CMatrix points;
  ASSERT_TRUE(points.FromString("1000 0 0 1000.5 0 0\n0 1000 0 0.5 1000 0\n0 0 1000 0.5 0 1000", " ", true));
  double p[7] = {};
  ASSERT_TRUE(FitSevenParameters(points, p));
  EXPECT_NEAR(p[0], -0.5, 1e-12);
  EXPECT_NEAR(p[6], 0.0, 1e-12);
}

}  // namespace
