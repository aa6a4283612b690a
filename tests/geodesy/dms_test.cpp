#include "geodesy/dms.h"

#include <gtest/gtest.h>

#include <cmath>

#include "geodesy/geo_point.h"

namespace {

double Radians(double degrees, double minutes = 0.0, double seconds = 0.0) {
  return (degrees + minutes / 60.0 + seconds / 3600.0) * M_PI / 180.0;
}

TEST(PackedDms, PacksAndUnpacksDegreesMinutesSeconds) {
  struct Case {
    double radians;
    double packed;
  } cases[] = {
      {Radians(30, 15, 20.5), 30.152050},    {Radians(117, 30), 117.30},   {Radians(0, 0, 0.25), 0.000025},
      {Radians(45, 59, 59.999), 45.5959999}, {Radians(89, 0, 1), 89.0001}, {0.0, 0.0},
  };
  for (const Case& c : cases) {
    EXPECT_NEAR(RadiansToDms(c.radians), c.packed, 1e-12) << c.packed;
    EXPECT_NEAR(DmsToRadians(c.packed), c.radians, 1e-15) << c.packed;
    EXPECT_NEAR(DmsToRadians(RadiansToDms(c.radians)), c.radians, 1e-15) << c.packed;
  }
}

TEST(PackedDms, AHairBelowAWholeDegreeOrMinuteRoundsUp) {
  // Less than 1e-9 minute short of the whole value: the minute count is
  // rounded up and the seconds come out a hair negative.
  const double belowDegree = Radians(31) - 1e-14;
  const double packedDegree = RadiansToDms(belowDegree);
  EXPECT_NEAR(packedDegree, 30.60, 1e-12);
  EXPECT_NEAR(DmsToRadians(packedDegree), Radians(31), 1e-13);
  EXPECT_NEAR(DmsToRadians(packedDegree), belowDegree, 1e-15);

  const double belowMinute = Radians(30, 15) - 1e-14;
  const double packedMinute = RadiansToDms(belowMinute);
  EXPECT_NEAR(packedMinute, 30.15, 1e-12);
  EXPECT_NEAR(DmsToRadians(packedMinute), Radians(30, 15), 1e-13);
  EXPECT_NEAR(DmsToRadians(packedMinute), belowMinute, 1e-15);

  // Further below, the seconds carry it: 30°14'59.9999".
  const double secondsShort = Radians(30, 14, 59.9999);
  EXPECT_NEAR(RadiansToDms(secondsShort), 30.14599999, 1e-12);
  EXPECT_NEAR(DmsToRadians(RadiansToDms(secondsShort)), secondsShort, 1e-15);
}

TEST(GeoPointCoords, PackedAnglesComeBackAsTyped) {
  CGeoPoint point;
  point.SetCoords(30.1520, 117.3000, 12.5, CGeoPoint::kPackedDms);
  EXPECT_NEAR(point.X(), Radians(30, 15, 20), 1e-15);
  double b = 0, l = 0, h = 0;
  point.GetCoords(&b, &l, &h, CGeoPoint::kPackedDms);
  EXPECT_NEAR(b, 30.152, 1e-12);
  EXPECT_NEAR(l, 117.3, 1e-12);
  EXPECT_EQ(h, 12.5);
}

TEST(GeoPointCoords, PlainValuesAreRoundedToFifteenDecimals) {
  CGeoPoint point;
  point.SetCoords(3512345.1234567890123, 0.1 + 0.2, 1.0 / 3.0, CGeoPoint::kAsStored);
  double x = 0, y = 0, z = 0;
  point.GetCoords(&x, &y, &z, CGeoPoint::kAsStored);
  EXPECT_EQ(x, 3512345.123456789);
  EXPECT_EQ(y, 0.3);  // 0.30000000000000004 loses its last digit
  EXPECT_EQ(z, 0.333333333333333);
}

TEST(GeoPointCoords, AnyOtherFormatLeavesTheOutputsAlone) {
  CGeoPoint point;
  point.Set(1.0, 2.0, 3.0);
  double x = -7, y = -8, z = -9;
  point.GetCoords(&x, &y, &z, 0x20000);
  EXPECT_EQ(x, -7);
  EXPECT_EQ(y, -8);
  EXPECT_EQ(z, -9);
  point.SetCoords(30.1520, 117.3, 5.0, 0);
  EXPECT_EQ(point.X(), 30.1520);
  EXPECT_EQ(point.Y(), 117.3);
}

}  // namespace
