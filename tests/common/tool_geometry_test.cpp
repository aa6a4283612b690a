#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <string>
#include <vector>

#include "common/construction_figures.h"
#include "common/tool_geometry.h"

namespace {

constexpr double kPi = 3.141592653589793;

void ExpectPoints(const std::vector<D_DOT>& got, const std::vector<D_DOT>& want, double tol = 1e-9) {
  ASSERT_EQ(got.size(), want.size());
  for (std::size_t i = 0; i < want.size(); ++i) {
    SCOPED_TRACE("point " + std::to_string(i));
    EXPECT_NEAR(got[i].x, want[i].x, tol);
    EXPECT_NEAR(got[i].y, want[i].y, tol);
  }
}

bool AllFinite(const std::vector<D_DOT>& points) {
  for (const D_DOT& p : points)
    if (!std::isfinite(p.x) || !std::isfinite(p.y)) return false;
  return true;
}

TEST(ToolGeometryTest, TypedPointsAndTheTextsThatAreRefused) {
  // Typing only digits still reaches infinity: such text is refused too.
  const std::string huge(400, '9'), hugeY = "1," + huge, largest = "179769313486231570" + std::string(291, '0') + ",0";
  const char* kHugeNumber = huge.c_str();
  const char* kHugeY = hugeY.c_str();
  const char* kLargest = largest.c_str();
  struct Case {
    const char* name;
    const char* text;
    int kind;
    bool read;
    D_DOT expected;
  };
  const D_DOT last{10, 10}, cursor{10, 20};
  const Case cases[] = {
      {"x,y", "12.5,7", kTypedXY, true, {12.5, 7}},
      {"blanks dropped", " 12 . 5 , 7 ", kTypedXY, true, {12.5, 7}},
      {"negative coordinates", "-3,-4.5", kTypedXY, true, {-3, -4.5}},
      {"a bad character ends the number", "3x9,4", kTypedXY, true, {3, 4}},
      {"nothing read is 0", ",4", kTypedXY, true, {0, 4}},
      {"no comma", "12.5", kTypedXY, false, {}},
      {"distance and angle up", "10,90", kTypedDistanceAngle, true, {10, 20}},
      {"distance and angle west", "5,180", kTypedDistanceAngle, true, {5, 10}},
      {"distance without angle", "10", kTypedDistanceAngle, false, {}},
      {"length towards the cursor", "4", kTypedLength, true, {10, 14}},
      {"length beyond the cursor", "25", kTypedLength, true, {10, 35}},
      {"x past the range of doubles", kHugeNumber, kTypedXY, false, {}},
      {"y past the range of doubles", kHugeY, kTypedXY, false, {}},
      {"distance past the range of doubles", kHugeY, kTypedDistanceAngle, false, {}},
      {"length past the range of doubles", kHugeNumber, kTypedLength, false, {}},
      {"the largest double", kLargest, kTypedXY, true, {1.7976931348623157e308, 0}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    const std::optional<D_DOT> p = ParseTypedPoint(c.text, c.kind, last, cursor);
    ASSERT_EQ(p.has_value(), c.read);
    if (!c.read) continue;
    EXPECT_NEAR(p->x, c.expected.x, 1e-12 * std::max(1.0, std::fabs(c.expected.x)));
    EXPECT_NEAR(p->y, c.expected.y, 1e-12);
  }
  EXPECT_FALSE(ParseTypedPoint("4", kTypedLength, last, last)) << "the cursor on the last vertex gives no direction";
}

TEST(ToolGeometryTest, ArcSampling) {
  D_DOT full[66];
  EXPECT_EQ(SampleArcPoints(3, 4, 2, 0, 2 * kPi, nullptr, kCurveStep), 64);
  ASSERT_EQ(SampleArcPoints(3, 4, 2, 0, 2 * kPi, full, kCurveStep), 64);
  EXPECT_NEAR(full[0].x, 5, 1e-12);
  EXPECT_NEAR(full[63].x, 5, 1e-12);
  EXPECT_NEAR(full[63].y, 4, 1e-12);
  EXPECT_EQ(full[64].x, full[63].x);
  EXPECT_EQ(full[64].y, full[63].y);

  // An end below the start goes on past 2π: 6 → 0.5 crosses angle 0.
  const std::vector<D_DOT> wrap = ArcPoints({0, 0}, 1, 6, 0.5);
  ASSERT_EQ(wrap.size(), static_cast<std::size_t>(int((0.5 + 2 * kPi - 6) / 0.1) + 3));
  EXPECT_NEAR(wrap.front().x, std::cos(6), 1e-12);
  EXPECT_NEAR(wrap[wrap.size() - 2].x, std::cos(0.5), 1e-12);
  EXPECT_NEAR(wrap[wrap.size() - 2].y, std::sin(0.5), 1e-12);
  bool passesZero = false;
  for (const D_DOT& p : wrap) passesZero |= p.x > 0.99 && std::fabs(p.y) < 0.1;
  EXPECT_TRUE(passesZero);
}

TEST(ToolGeometryTest, TriangleCirclesAndTheirDegenerateTriangles) {
  struct Case {
    const char* name;
    D_DOT a, b, c;
    bool inscribed;
    double radius;
    D_DOT centre;
  };
  const Case cases[] = {
      {"inscribed", {0, 0}, {4, 0}, {0, 3}, true, 1, {1, 1}},
      {"circumscribed", {0, 0}, {4, 0}, {0, 3}, false, 2.5, {2, 1.5}},
      {"collinear inscribed", {0, 0}, {1, 1}, {2, 2}, true, 0, {2, 2}},
      {"collinear circumscribed", {0, 0}, {1, 1}, {2, 2}, false, 0, {2, 2}},
      {"coincident", {1, 1}, {1, 1}, {1, 1}, false, 0, {1, 1}},
      {"third on the second", {0, 0}, {4, 0}, {4, 0}, false, 0, {4, 0}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    const D_DOT ab[2] = {c.a, c.b};
    D_DOT third = c.c;
    EXPECT_NEAR(TriangleCircle(ab, &third, c.inscribed), c.radius, 1e-12);
    EXPECT_NEAR(third.x, c.centre.x, 1e-12);
    EXPECT_NEAR(third.y, c.centre.y, 1e-12);
    const std::vector<D_DOT> figure = TriangleCircleFigure(c.a, c.b, c.c, c.inscribed);
    EXPECT_EQ(figure.size(), c.radius > 0 ? 65u : 0u);
    EXPECT_TRUE(AllFinite(figure));
  }
}

TEST(ToolGeometryTest, RotationBothWaysAndBeyondAFullTurn) {
  struct Case {
    double angle;
    bool clockwise;
    D_DOT expected;
  };
  const Case cases[] = {
      {kPi / 2, false, {0, 1}},          {kPi / 2, true, {0, -1}},
      {-kPi / 2, false, {0, -1}},        {kPi, false, {-1, 0}},
      {2 * kPi + kPi / 2, false, {0, 1}}, {-2 * kPi - kPi / 2, false, {0, -1}},
      {5 * kPi, true, {-1, 0}},          {3 * kPi / 2, true, {0, 1}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(std::to_string(c.angle) + (c.clockwise ? " clockwise" : ""));
    D_DOT out{};
    const D_DOT r = RotateVector(1, 0, &out, c.angle, c.clockwise);
    EXPECT_NEAR(r.x, c.expected.x, 1e-12);
    EXPECT_NEAR(r.y, c.expected.y, 1e-12);
    EXPECT_EQ(out.x, r.x);
  }
}

TEST(ToolGeometryTest, EllipsesAndTheirDegenerateCases) {
  const std::vector<D_DOT> e = EllipseFigure({-3, 0}, {3, 0}, {0, 4});
  ASSERT_EQ(e.size(), 65u);
  EXPECT_NEAR(e[0].x, 5, 1e-12);
  EXPECT_NEAR(e[0].y, 0, 1e-12);
  EXPECT_EQ(e[64].x, e[0].x);
  for (const D_DOT& p : e) EXPECT_NEAR(p.x * p.x / 25 + p.y * p.y / 16, 1, 1e-12);

  const std::vector<D_DOT> circle = EllipseFigure({0, 0}, {0, 0}, {0, 10});
  ASSERT_EQ(circle.size(), 65u);
  EXPECT_NEAR(circle[0].x, 10, 1e-12) << "a circle starts at angle 0";
  EXPECT_NEAR(circle[0].y, 0, 1e-12);

  EXPECT_TRUE(EllipseFigure({-3, 0}, {3, 0}, {1, 0}).empty()) << "point on the focal segment";
  EXPECT_TRUE(EllipseFigure({0, 0}, {0, 0}, {0, 0}).empty()) << "radius 0";
  EXPECT_EQ(EllipsePoints({-3, 0}, {3, 0}, {3, 0}, 0, 2 * kPi, nullptr, kCurveStep), 0);
}

TEST(ToolGeometryTest, FiguresOfTheConstructionModes) {
  struct Case {
    const char* name;
    int16_t mode;
    std::vector<D_DOT> fixed;
    D_DOT at;
    int sides;
    std::vector<D_DOT> expected;
  };
  const Case cases[] = {
      {"rectangle", 103, {{0, 0}}, {10, 5}, 0, {{0, 0}, {10, 0}, {10, 5}, {0, 5}, {0, 0}}},
      {"parallelogram", 105, {{0, 0}, {4, 0}}, {5, 3}, 0, {{0, 0}, {4, 0}, {5, 3}, {1, 3}, {0, 0}}},
      {"square clockwise from the click", 118, {{0, 0}}, {1, 0}, 4, {{1, 0}, {0, -1}, {-1, 0}, {0, 1}, {1, 0}}},
      {"polygon of two sides", 118, {{0, 0}}, {1, 0}, 2, {}},
      {"polygon of radius 0", 118, {{0, 0}}, {0, 0}, 5, {}},
      {"circle of radius 0", 107, {{2, 2}}, {2, 2}, 0, {}},
      {"arc of radius 0", 110, {{0, 0}, {0, 0}}, {0, 5}, 0, {}},
      {"three collinear arc points", 112, {{0, 0}, {1, 0}}, {2, 0}, 0, {}},
      {"not enough points yet", 105, {{0, 0}}, {5, 3}, 0, {}},
      {"rectangle of one point", 103, {{2, 2}}, {2, 2}, 0, {}},
      {"rectangle of no width", 103, {{2, 2}}, {2, 9}, 0, {}},
      {"parallelogram on one line", 105, {{0, 0}, {1, 1}}, {3, 3}, 0, {}},
      {"arc without sweep", 110, {{0, 0}, {5, 0}}, {9, 0}, 0, {}},
      {"parallelogram overflowing", 105, {{1.7e308, 0}, {-1.7e308, 0}}, {0, 5}, 0, {}},
      {"arc overflowing", 110, {{-1.7e308, 0}, {1.7e308, 0}}, {0, 5}, 0, {}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    ExpectPoints(FigureFor(c.mode, c.fixed, c.at, c.sides), c.expected, 1e-12);
  }
}

TEST(ToolGeometryTest, ArcsFromTheCentreAndThroughThreePoints) {
  const std::vector<D_DOT> quarter = CentreArcFigure({0, 0}, {10, 0}, {0, 5});
  ASSERT_EQ(quarter.size(), 18u);
  EXPECT_NEAR(quarter[16].x, 0, 1e-12);
  EXPECT_NEAR(quarter[16].y, 10, 1e-12);
  EXPECT_EQ(quarter[17].y, quarter[16].y);

  struct Case {
    const char* name;
    D_DOT a, b, d;
  };
  const Case cases[] = {
      {"counter-clockwise through b", {10, 0}, {0, 10}, {-10, 0}},
      {"clockwise through b", {-10, 0}, {0, 10}, {10, 0}},
      {"lower half clockwise", {10, 0}, {0, -10}, {-10, 0}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    const std::vector<D_DOT> arc = ThreePointArcFigure(c.a, c.b, c.d);
    ASSERT_EQ(arc.size(), 34u);
    EXPECT_NEAR(arc.front().x, c.a.x, 1e-9);
    EXPECT_NEAR(arc.front().y, c.a.y, 1e-9);
    EXPECT_NEAR(arc[32].x, c.d.x, 1e-9);
    EXPECT_NEAR(arc[32].y, c.d.y, 1e-9);
    EXPECT_EQ(arc[33].x, arc[32].x);
    double nearestToB = 1e9;
    for (const D_DOT& p : arc) {
      EXPECT_NEAR(std::hypot(p.x, p.y), 10, 1e-9);
      nearestToB = std::min(nearestToB, std::hypot(p.x - c.b.x, p.y - c.b.y));
    }
    EXPECT_LT(nearestToB, 1.0) << "the arc passes b";
  }
}

TEST(ToolGeometryTest, ArrowHeadsFeetAndBraces) {
  D_DOT head[3];
  MirrorArrowHead({0, 0}, {10, 0}, {8, 2}, head);
  ExpectPoints({head[0], head[1], head[2]}, {{8, 2}, {10, 0}, {8, -2}}, 1e-6);
  // The foot parameter is kept in single precision.
  MirrorArrowHead({0, 0}, {3, 0}, {1, 1}, head);
  EXPECT_EQ(head[2].x, 2 * (double(static_cast<float>(1.0 / 3)) * 3.0) - 1);
  EXPECT_NE(head[2].x, 1.0);
  MirrorArrowHead({1, 1}, {1, 1}, {2, 2}, head);
  EXPECT_TRUE(AllFinite({head[0], head[1], head[2]}));

  struct Foot {
    D_DOT q;
    int16_t position;
  };
  for (const Foot& f : {Foot{{5, 3}, 0}, Foot{{-1, 3}, -1}, Foot{{11, -3}, 1}, Foot{{0, 3}, 0}, Foot{{10, 9}, 0}}) {
    SCOPED_TRACE(std::to_string(f.q.x) + "," + std::to_string(f.q.y));
    EXPECT_EQ(FootPosition(f.q, {0, 0}, {10, 0}), f.position);
  }
  EXPECT_EQ(FootPosition({1, 1}, {0, 0}, {0, 0}), 2);

  ExpectPoints(BracePoints({0, 0}, {20, 0}), {{0, 0}, {1, -1}, {9, -1}, {10, -2}, {11, -1}, {19, -1}, {20, 0}});
}

TEST(ToolGeometryTest, PerpendicularSnapAndAzimuth) {
  ExpectPoints({PerpendicularSnap({{0, 0}, {10, 0}}, {13, 7})}, {{10, 7}});
  ExpectPoints({PerpendicularSnap({{0, 0}}, {13, 7})}, {{13, 7}});
  ExpectPoints({PerpendicularSnap({{0, 0}, {10, 10}}, {10, 12})}, {{9, 11}});
  EXPECT_NEAR(AzimuthDegrees({0, 0}, {0, 5}), 0, 1e-12);
  EXPECT_NEAR(AzimuthDegrees({0, 0}, {5, 0}), 90, 1e-12);
  EXPECT_NEAR(AzimuthDegrees({0, 0}, {0, -5}), 180, 1e-12);
  EXPECT_NEAR(AzimuthDegrees({0, 0}, {-5, 0}), 270, 1e-12);
}

TEST(ToolGeometryTest, RegionOutlinesNeedAnArea) {
  EXPECT_FALSE(SpansArea({{0, 0}, {5, 5}}));
  EXPECT_FALSE(SpansArea({{0, 0}, {5, 5}, {2, 2}, {0, 0}}));
  EXPECT_FALSE(SpansArea({{1, 1}, {1, 1}, {1, 1}}));
  EXPECT_TRUE(SpansArea({{0, 0}, {5, 0}, {5, 5}}));
  EXPECT_TRUE(SpansArea({{0, 0}, {2, 2}, {2, 0}, {0, 2}})) << "a bow tie still spans an area";
}

}  // namespace
