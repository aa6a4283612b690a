#include "geodesy/geo_point.h"

#include <gtest/gtest.h>

#include <cmath>

#include "geodesy/ellipsoid.h"
#include "tests/geodesy/china_grid.h"
#include "tests/geodesy/proj_reference.h"

namespace {

constexpr double kDeg = M_PI / 180.0;

ProjReference Cartesian(const Ellipsoid& e) {
  return ProjReference("+proj=cart " + ProjReference::EllipsoidParameters(e.e2, e.a));
}

// Heights from the sea shore to the high plateau and above.
constexpr double kHeights[] = {-150.0, 0.0, 1234.5, 8848.0};

TEST(GeodeticCartesian, AgreesWithProjOverChinaOnEveryEllipsoid) {
  for (const Ellipsoid& e : kEllipsoids) {
    const ProjReference proj = Cartesian(e);
    ASSERT_TRUE(proj.IsValid());
    for (const GridPoint& g : ChinaGrid(6.0)) {
      for (double h : kHeights) {
        CGeoPoint point;
        point.Set(g.latitude * kDeg, g.longitude * kDeg, h);
        point.BlhToXyz(e.e2, e.a);
        const PJ_XYZ expected = proj.Forward(g.longitude * kDeg, g.latitude * kDeg, h);
        // Closed formulas: agreement to rounding (micrometres).
        ASSERT_NEAR(point.X(), expected.x, 1e-6) << e.label << " " << g.latitude << " " << g.longitude;
        ASSERT_NEAR(point.Y(), expected.y, 1e-6);
        ASSERT_NEAR(point.Z(), expected.z, 1e-6);

        point.XyzToBlh(e.e2, e.a);
        // The iteration stops at 0.0001": well below a tenth of a millimetre.
        ASSERT_NEAR(point.X(), g.latitude * kDeg, 1e-11);
        ASSERT_NEAR(point.Y(), g.longitude * kDeg, 1e-15);
        ASSERT_NEAR(point.Z(), h, 1e-4);
      }
    }
  }
}

TEST(GeodeticCartesian, EveryQuadrantComesBackSigned) {
  // Latitudes south of the equator stay negative and longitudes west of
  // Greenwich or beyond 90° east keep their quadrant.
  const struct {
    double latitude, longitude;
  } cases[] = {{-33.9, 18.4}, {40.7, -74.0}, {-23.5, -46.6}, {-41.3, 174.8}, {64.1, -151.0},
               {0.0, 179.5},  {30.0, 120.0}, {-0.5, 95.0},   {89.9, 10.0},   {-89.9, -10.0}};
  const Ellipsoid& e = kWgs84;
  const ProjReference proj = Cartesian(e);
  for (const auto& c : cases) {
    CGeoPoint point;
    point.Set(c.latitude * kDeg, c.longitude * kDeg, 250.0);
    point.BlhToXyz(e.e2, e.a);
    point.XyzToBlh(e.e2, e.a);
    EXPECT_NEAR(point.X(), c.latitude * kDeg, 1e-11) << c.latitude << " " << c.longitude;
    EXPECT_NEAR(point.Y(), c.longitude * kDeg, 1e-14) << c.latitude << " " << c.longitude;
    EXPECT_NEAR(point.Z(), 250.0, 1e-3) << c.latitude << " " << c.longitude;
    const PJ_XYZ xyz = proj.Forward(c.longitude * kDeg, c.latitude * kDeg, 250.0);
    const PJ_XYZ blh = proj.Inverse(xyz.x, xyz.y, xyz.z);
    EXPECT_NEAR(point.X(), blh.y, 1e-11);
  }
}

TEST(GeodeticCartesian, PointsOnTheAxisArePoles) {
  const Ellipsoid& e = kBeijing54;
  const double b = e.a * std::sqrt(1.0 - e.e2);
  for (double sign : {1.0, -1.0}) {
    CGeoPoint point;
    point.Set(0.0, 0.0, sign * (b + 100.0));
    point.XyzToBlh(e.e2, e.a);
    EXPECT_DOUBLE_EQ(point.X(), sign * M_PI / 2.0);
    EXPECT_NEAR(point.Z(), 100.0, 1e-6);
  }
}

TEST(ThreeDegreeZone, MeridianOfTheZoneThatHoldsTheLongitude) {
  const struct {
    double longitude;  // degrees
    double meridian;
  } cases[] = {
      {118.4999, 117.0}, {118.5, 120.0}, {115.5, 117.0}, {115.4999, 114.0}, {117.0, 117.0},
      {0.0, 0.0},        {1.2, 0.0},     {73.6, 75.0},   {134.9, 135.0},    {359.9, 360.0},
  };
  for (const auto& c : cases) {
    CGeoPoint point;
    point.Set(0.6, c.longitude * kDeg, 0.0);
    EXPECT_EQ(point.ThreeDegreeZoneMeridian(), c.meridian) << c.longitude;
  }
}

TEST(ThreeDegreeZone, LongitudesOutsideTheSeriesFail) {
  for (double longitude : {-0.001 * kDeg, -2.0, 7.0, 1e300, std::nan("")}) {
    CGeoPoint point;
    point.Set(0.6, longitude, 0.0);
    EXPECT_EQ(point.ThreeDegreeZoneMeridian(), -1.0) << longitude;
  }
}

}  // namespace
