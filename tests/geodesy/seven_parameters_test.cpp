#include <gtest/gtest.h>

#include <cmath>
#include <random>
#include <vector>

#include "framework/text/numbers.h"
#include "geodesy/ellipsoid.h"
#include "geodesy/geo_point.h"
#include "geodesy/seven_parameter_fit.h"
#include "tests/geodesy/china_grid.h"
#include "tests/geodesy/proj_reference.h"

namespace {

constexpr double kDeg = M_PI / 180.0;
constexpr double kArcSecond = M_PI / 648000.0;

// Source-to-target parameters as CGeoPoint::ApplySevenParameters takes them:
// dx, dy, dz (m), rx, ry, rz (rad), m.
struct Parameters {
  double values[7];
};

const Parameters kSamples[] = {
    {{-15.4, 100.2, -48.6, 1.2 * kArcSecond, -0.8 * kArcSecond, 2.5 * kArcSecond, 3.2e-6}},
    {{24.0, -123.0, -94.0, -0.02 * kArcSecond, 0.25 * kArcSecond, 0.13 * kArcSecond, 1.1e-6}},
    {{0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0}},
    {{-3.0, 2.0, 1.0, -4.5 * kArcSecond, 6.0 * kArcSecond, -7.5 * kArcSecond, -8.0e-6}},
};

CGeoPoint Cartesian(const Ellipsoid& e, double latitude, double longitude, double height) {
  CGeoPoint point;
  point.Set(latitude * kDeg, longitude * kDeg, height);
  point.BlhToXyz(e.e2, e.a);
  return point;
}

TEST(SevenParameters, AgreeWithProjHelmertInTheCoordinateFrameConvention) {
  // PROJ takes rotations in arc-seconds and the scale in ppm; +approx uses
  // the same small-angle rotation matrix.
  for (const Parameters& p : kSamples) {
    const double* v = p.values;
    const ProjReference helmert(zv::num::Format(
        "+proj=helmert +convention=coordinate_frame +approx +x=%.17g +y=%.17g +z=%.17g +rx=%.17g +ry=%.17g "
        "+rz=%.17g +s=%.17g",
        v[0], v[1], v[2], v[3] / kArcSecond, v[4] / kArcSecond, v[5] / kArcSecond, v[6] * 1e6));
    ASSERT_TRUE(helmert.IsValid());
    for (const Ellipsoid& e : kEllipsoids) {
      for (const GridPoint& g : ChinaGrid(6.0)) {
        CGeoPoint point = Cartesian(e, g.latitude, g.longitude, 500.0);
        const PJ_XYZ expected = helmert.Forward(point.X(), point.Y(), point.Z());
        point.ApplySevenParameters(v);
        ASSERT_NEAR(point.X(), expected.x, 1e-6);
        ASSERT_NEAR(point.Y(), expected.y, 1e-6);
        ASSERT_NEAR(point.Z(), expected.z, 1e-6);
      }
    }
  }
}

// Common points: a source point on Krassovsky's ellipsoid and its image
// under the parameters, with optional noise on the target (metres).
CMatrix CommonPoints(const std::vector<std::pair<double, double>>& places, const Parameters& p, double noise = 0.0) {
  std::mt19937 random(7);
  std::normal_distribution<double> error(0.0, noise > 0.0 ? noise : 1.0);
  CMatrix points(static_cast<int32_t>(places.size()), 6);
  for (std::size_t i = 0; i < places.size(); ++i) {
    CGeoPoint source = Cartesian(kBeijing54, places[i].first, places[i].second, 100.0 + 37.0 * i);
    CGeoPoint target = source;
    target.ApplySevenParameters(p.values);
    const double row[6] = {source.X(),
                           source.Y(),
                           source.Z(),
                           target.X() + (noise > 0.0 ? error(random) : 0.0),
                           target.Y() + (noise > 0.0 ? error(random) : 0.0),
                           target.Z() + (noise > 0.0 ? error(random) : 0.0)};
    points.SetRow(static_cast<int32_t>(i), row);
  }
  return points;
}

std::vector<std::pair<double, double>> Scatter(int count, double centreLat, double centreLon, double spread) {
  std::mt19937 random(11);
  std::uniform_real_distribution<double> offset(-spread, spread);
  std::vector<std::pair<double, double>> places;
  for (int i = 0; i < count; ++i) places.emplace_back(centreLat + offset(random), centreLon + offset(random));
  return places;
}

// The fit's result comes negated; the dialog negates it again.
Parameters Fit(const CMatrix& points) {
  Parameters fitted{};
  EXPECT_TRUE(FitSevenParameters(points, fitted.values));
  for (double& v : fitted.values) v = -v;
  return fitted;
}

void ExpectParameters(const Parameters& fitted, const Parameters& truth, double metres, double radians, double scale) {
  for (int k = 0; k < 3; ++k) EXPECT_NEAR(fitted.values[k], truth.values[k], metres) << k;
  for (int k = 3; k < 6; ++k) EXPECT_NEAR(fitted.values[k], truth.values[k], radians) << k;
  EXPECT_NEAR(fitted.values[6], truth.values[6], scale);
}

TEST(SevenParameterFit, RecoversTheParametersFromThreePoints) {
  // A triangle of some 50 km, and one of 2 km, where earth-centred
  // coordinates are a million times the network's size.
  for (double spread : {0.25, 0.01}) {
    for (const Parameters& truth : kSamples) {
      const CMatrix points = CommonPoints({{30.0, 114.0}, {30.0 + spread, 114.0}, {30.0, 114.0 + spread}}, truth);
      ExpectParameters(Fit(points), truth, 1e-4, 1e-11, 1e-11);
    }
  }
}

TEST(SevenParameterFit, RecoversTheParametersFromManyPoints) {
  for (const Parameters& truth : kSamples) {
    ExpectParameters(Fit(CommonPoints(Scatter(40, 36.0, 117.0, 1.0), truth)), truth, 1e-4, 1e-11, 1e-11);
  }
}

TEST(SevenParameterFit, NoisyPointsGiveTheTransformationBack) {
  // With 2 cm noise on the targets, translations and rotations trade off
  // over the earth's radius; what matters is that the fitted transformation
  // moves the points of the network where the true one does. Three points
  // leave two degrees of freedom, so their fit follows the noise.
  const Parameters& truth = kSamples[0];
  const struct {
    int count;
    double metres;
  } cases[] = {{3, 0.06}, {60, 0.02}};
  for (const auto& c : cases) {
    const auto places = Scatter(c.count, 36.0, 117.0, 1.0);
    const Parameters fitted = Fit(CommonPoints(places, truth, 0.02));
    if (c.count > 3) {
      EXPECT_NEAR(fitted.values[6], truth.values[6], 0.2e-6);
    }
    auto checks = c.count > 3 ? Scatter(20, 36.0, 117.0, 1.0) : places;
    for (const auto& [lat, lon] : checks) {
      CGeoPoint expected = Cartesian(kBeijing54, lat, lon, 200.0);
      CGeoPoint actual = expected;
      expected.ApplySevenParameters(truth.values);
      actual.ApplySevenParameters(fitted.values);
      EXPECT_NEAR(actual.X(), expected.X(), c.metres) << c.count;
      EXPECT_NEAR(actual.Y(), expected.Y(), c.metres) << c.count;
      EXPECT_NEAR(actual.Z(), expected.Z(), c.metres) << c.count;
    }
  }
}

TEST(SevenParameterFit, RefusesPointsThatCannotFixTheParameters) {
  const Parameters& truth = kSamples[0];
  CGeoPoint a = Cartesian(kBeijing54, 30.0, 114.0, 0.0);
  CGeoPoint b = Cartesian(kBeijing54, 30.5, 114.3, 0.0);
  // Points on the straight line through a and b, in earth-centred space.
  auto onLine = [&](double t) {
    CGeoPoint p;
    p.Set(a.X() + t * (b.X() - a.X()), a.Y() + t * (b.Y() - a.Y()), a.Z() + t * (b.Z() - a.Z()));
    return p;
  };
  auto matrixOf = [&](const std::vector<CGeoPoint>& sources) {
    CMatrix points(static_cast<int32_t>(sources.size()), 6);
    for (std::size_t i = 0; i < sources.size(); ++i) {
      CGeoPoint target = sources[i];
      target.ApplySevenParameters(truth.values);
      const double row[6] = {sources[i].X(), sources[i].Y(), sources[i].Z(), target.X(), target.Y(), target.Z()};
      points.SetRow(static_cast<int32_t>(i), row);
    }
    return points;
  };
  CGeoPoint c = Cartesian(kBeijing54, 30.2, 114.6, 0.0);
  const struct {
    const char* what;
    CMatrix points;
  } cases[] = {
      {"three collinear points", matrixOf({a, onLine(0.5), b})},
      {"many collinear points", matrixOf({a, onLine(0.1), onLine(0.37), onLine(0.8), b, onLine(1.6)})},
      {"a repeated point", matrixOf({a, b, a})},
      {"one point three times", matrixOf({a, a, a})},
      {"two points", matrixOf({a, b})},
      {"one point", matrixOf({c})},
      {"no points", CMatrix(0, 6)},
      {"five columns", CMatrix(4, 5)},
      {"not a number",
       [&] {
         CMatrix m = matrixOf({a, b, c});
         *m.At(1, 4) = std::nan("");
         return m;
       }()},
  };
  for (const auto& c : cases) {
    double p[7] = {1, 2, 3, 4, 5, 6, 7};
    EXPECT_FALSE(FitSevenParameters(c.points, p)) << c.what;
    for (int k = 0; k < 7; ++k) EXPECT_EQ(p[k], k + 1) << c.what;
  }
  // A third point off the line through a and b makes the fit possible.
  double p[7];
  EXPECT_TRUE(FitSevenParameters(matrixOf({a, b, c}), p));
}

}  // namespace
