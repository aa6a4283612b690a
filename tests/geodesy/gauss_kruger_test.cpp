#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>

#include "framework/text/numbers.h"
#include "geodesy/dms.h"
#include "geodesy/ellipsoid.h"
#include "geodesy/geo_point.h"
#include "tests/geodesy/china_grid.h"
#include "tests/geodesy/proj_reference.h"

namespace {

constexpr double kDeg = M_PI / 180.0;

std::string TransverseMercator(const Ellipsoid& e, double meridian) {
  return zv::num::Format("+proj=tmerc +lat_0=0 +lon_0=%.17g +k_0=1 +x_0=500000 +y_0=0 ", meridian) +
         ProjReference::EllipsoidParameters(e.e2, e.a);
}

// Largest differences found over one grid, reported when a check fails.
struct Worst {
  double metres = 0.0;
  double radians = 0.0;
};

// Forward and inverse projection against PROJ's transverse Mercator, in the
// whole band of every zone: the plane coordinates within `metres`, the
// inverse's latitude and longitude within `radians`.
void ExpectAgreementWithProj(double zoneWidth, double metres, double radians) {
  for (const Ellipsoid& e : kEllipsoids) {
    Worst worst;
    for (double meridian = 75.0; meridian <= 135.0; meridian += zoneWidth) {
      const ProjReference proj(TransverseMercator(e, meridian));
      ASSERT_TRUE(proj.IsValid());
      for (const GridPoint& g : ChinaGrid(zoneWidth)) {
        if (g.meridian != meridian) continue;
        CGeoPoint point;
        point.Set(g.latitude * kDeg, g.longitude * kDeg, 77.0);
        point.GaussForward(e.e2, e.a, meridian * kDeg);
        const PJ_XYZ plane = proj.Forward(g.longitude * kDeg, g.latitude * kDeg);
        worst.metres = std::max({worst.metres, std::fabs(point.X() - plane.y), std::fabs(point.Y() - plane.x)});
        EXPECT_EQ(point.Z(), 77.0);

        point.Set(plane.y, plane.x, 77.0);
        point.GaussInverse(e.e2, e.a, meridian * kDeg);
        const PJ_XYZ geodetic = proj.Inverse(plane.x, plane.y);
        worst.radians = std::max({worst.radians, std::fabs(point.X() - geodetic.y), std::fabs(point.Y() - geodetic.x)});
      }
    }
    EXPECT_LT(worst.metres, metres) << e.label << " zone width " << zoneWidth;
    EXPECT_LT(worst.radians, radians) << e.label << " zone width " << zoneWidth;
  }
}

// Up to 3° from the meridian: 0.1 mm forward, 1.5e-10 rad (1 mm) inverse.
TEST(GaussKruger, SixDegreeZonesAgreeWithProj) { ExpectAgreementWithProj(6.0, 1e-4, 1.5e-10); }

// Up to 1.5° from the meridian: 0.01 mm forward, 1e-11 rad (0.06 mm) inverse.
TEST(GaussKruger, ThreeDegreeZonesAgreeWithProj) { ExpectAgreementWithProj(3.0, 1e-5, 1e-11); }

TEST(GaussKruger, ForwardThenInverseReturnsThePoint) {
  // Within 1e-10 rad (0.6 mm) across the 6° band; within 1e-11 rad up to
  // about 2° from the central meridian.
  for (const Ellipsoid& e : kEllipsoids) {
    for (const GridPoint& g : ChinaGrid(6.0)) {
      CGeoPoint point;
      point.Set(g.latitude * kDeg, g.longitude * kDeg, 0.0);
      point.GaussForward(e.e2, e.a, g.meridian * kDeg);
      point.GaussInverse(e.e2, e.a, g.meridian * kDeg);
      const double tolerance = std::fabs(g.longitude - g.meridian) <= 2.0 ? 1e-11 : 1e-10;
      ASSERT_NEAR(point.X(), g.latitude * kDeg, tolerance) << e.label << " " << g.latitude << " " << g.longitude;
      ASSERT_NEAR(point.Y(), g.longitude * kDeg, tolerance) << e.label << " " << g.latitude << " " << g.longitude;
    }
  }
}

TEST(GaussKruger, FootpointLatitudeInvertsTheMeridianArc) {
  // On the central meridian the northing is the meridian arc length; the
  // two series agree within 1e-11 rad (0.06 mm).
  for (const Ellipsoid& e : kEllipsoids) {
    for (int latitude = 0; latitude <= 60; latitude += 5) {
      CGeoPoint point;
      point.Set(latitude * kDeg, 117.0 * kDeg, 0.0);
      point.GaussForward(e.e2, e.a, 117.0 * kDeg);
      EXPECT_DOUBLE_EQ(point.Y(), 500000.0);
      EXPECT_NEAR(FootpointLatitude(e.e2, e.a, point.X()), latitude * kDeg, 1e-11) << e.label << " " << latitude;
    }
  }
}

// Moves plane coordinates from one central meridian to another through B
// and L on the same ellipsoid, as the Gauss dialog does, including its
// detour through packed angles.
void ChangeZone(CGeoPoint& point, const Ellipsoid& e, double fromMeridian, double toMeridian) {
  point.GaussInverse(e.e2, e.a, DmsToRadians(fromMeridian));
  double b = 0, l = 0, h = 0;
  point.GetCoords(&b, &l, &h, CGeoPoint::kPackedDms);
  point.SetCoords(b, l, h, CGeoPoint::kPackedDms);
  point.GaussForward(e.e2, e.a, DmsToRadians(toMeridian));
}

TEST(GaussKruger, ZoneChangesAgreeWithAProjPipeline) {
  // Every 6° zone's points go to the 3° zone that holds them, and those
  // within a degree of the zone's edge also to the neighbouring 6° zone
  // (up to 4° from its meridian): within a millimetre.
  for (const Ellipsoid& e : kEllipsoids) {
    double worst = 0.0;
    for (const GridPoint& g : ChinaGrid(6.0)) {
      CGeoPoint located;
      located.Set(g.latitude * kDeg, g.longitude * kDeg, 0.0);
      std::vector<double> targets{located.ThreeDegreeZoneMeridian()};
      if (std::fabs(g.longitude - g.meridian) >= 2.0) {
        targets.push_back(g.meridian + (g.longitude > g.meridian ? 6.0 : -6.0));
      }
      for (double target : targets) {
        const ProjReference pipeline("+proj=pipeline +step +inv " + TransverseMercator(e, g.meridian) + " +step " +
                                     TransverseMercator(e, target));
        ASSERT_TRUE(pipeline.IsValid());
        CGeoPoint point;
        point.Set(g.latitude * kDeg, g.longitude * kDeg, 10.0);
        point.GaussForward(e.e2, e.a, g.meridian * kDeg);
        const PJ_XYZ start = {point.Y(), point.X(), 10.0};
        ChangeZone(point, e, g.meridian, target);
        const PJ_XYZ expected = pipeline.Forward(start.x, start.y, start.z);
        worst = std::max({worst, std::fabs(point.X() - expected.y), std::fabs(point.Y() - expected.x)});
        ASSERT_EQ(point.Z(), 10.0);
      }
    }
    EXPECT_LT(worst, 1e-3) << e.label;
  }
}

}  // namespace
