#include "platform/data/geometry.h"

#include <gtest/gtest.h>

#include <cmath>
#include <numbers>

namespace zv {
namespace {

constexpr double kPi = std::numbers::pi;

TEST(Geometry, SegmentAngleRunsOnceAroundFromEast) {
  struct Case { D_DOT to; double angle; };
  const Case cases[] = {{{1, 0}, 0},          {{1, 1}, kPi / 4},  {{0, 1}, kPi / 2}, {{-1, 0}, kPi},
                        {{0, -1}, 1.5 * kPi}, {{1, -1e-300}, 0.0}, {{0, 0}, 0}};
  for (const Case& c : cases) EXPECT_NEAR(BasSegmentAngle({0, 0}, c.to), c.angle, 1e-12) << c.to.x << "," << c.to.y;
  EXPECT_NEAR(BasCoordAngle(1, 1, 1, 3), kPi / 2, 1e-12);
}

TEST(Geometry, LineDirectionIsSignedAndEndsAtPi) {
  struct Case { D_DOT from, to; double angle; };
  const Case cases[] = {
      {{0, 0}, {1, 0}, 0},           {{0, 0}, {1, 1}, kPi / 4},       {{0, 0}, {0, 1}, kPi / 2},
      {{0, 0}, {-1, 1}, 0.75 * kPi}, {{0, 0}, {-1, 0}, kPi},          {{0, 0}, {-1, -0.0}, kPi},
      {{0, 0}, {-1, -1}, -0.75 * kPi}, {{0, 0}, {0, -1}, -kPi / 2},   {{0, 0}, {1, -1}, -kPi / 4},
      {{5, 5}, {5, 5}, 0},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(testing::Message() << c.to.x << "," << c.to.y);
    EXPECT_NEAR(BasLineDirection(c.from, c.to), c.angle, 1e-12);
  }
}

TEST(Geometry, DistancesAndLengths) {
  EXPECT_DOUBLE_EQ(BasPointDistance({0, 0}, {3, 4}), 5);
  EXPECT_DOUBLE_EQ(BasCoordDistance(1, 1, 4, 5), 5);
  const std::vector<D_DOT> line{{0, 0}, {3, 4}, {3, 10}};
  EXPECT_DOUBLE_EQ(BasPolylineLength(line), 11);
  EXPECT_DOUBLE_EQ(BasPolylineLength(line.data(), 2), 5);
  EXPECT_DOUBLE_EQ(BasPolylineLength(line.data(), 1), 0);
  EXPECT_DOUBLE_EQ(BasPointToSegmentDistance({5, 5}, {0, 0}, {10, 0}), 5);
  EXPECT_DOUBLE_EQ(BasPointToSegmentDistance({-3, 4}, {0, 0}, {10, 0}), 5);
}

TEST(Geometry, SegmentIntersectionCountsCrossingsTouchesAndOverlaps) {
  struct Case { const char* name; D_DOT a1, a2, b1, b2; int crosses; D_DOT at; };
  const Case cases[] = {
      {"proper crossing", {0, 0}, {10, 10}, {0, 10}, {10, 0}, 1, {5, 5}},
      {"an end on the other segment", {5, 0}, {5, 10}, {0, 10}, {10, 10}, 1, {5, 10}},
      {"the other's end on this one", {0, 10}, {10, 10}, {5, 0}, {5, 10}, 1, {5, 10}},
      {"ends meeting", {0, 0}, {5, 5}, {5, 5}, {9, 0}, 1, {5, 5}},
      {"collinear overlap", {0, 0}, {6, 0}, {4, 0}, {9, 0}, 1, {6, 0}},
      {"collinear apart", {0, 0}, {3, 0}, {4, 0}, {9, 0}, 0, {}},
      {"parallel", {0, 0}, {10, 0}, {0, 1}, {10, 1}, 0, {}},
      {"short of the other", {5, 0}, {5, 9.99}, {0, 10}, {10, 10}, 0, {}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    D_DOT at{-1, -1};
    EXPECT_EQ(BasSegmentIntersection(c.a1, c.a2, c.b1, c.b2, &at) != 0, c.crosses == 1);
    if (c.crosses) {
      EXPECT_NEAR(at.x, c.at.x, 1e-12);
      EXPECT_NEAR(at.y, c.at.y, 1e-12);
    }
    EXPECT_EQ(BasSegmentIntersection(c.b1, c.b2, c.a1, c.a2, nullptr) != 0, c.crosses == 1) << "either order";
  }
}

TEST(Geometry, PointToLineDistanceTakesTheNearestPointOfThePolylineEndsIncluded) {
  const D_DOT line[] = {{0, 0}, {10, 0}, {10, 10}};
  EXPECT_DOUBLE_EQ(BasPointToLineDistance({5, 3}, line, 3), 3);
  EXPECT_DOUBLE_EQ(BasPointToLineDistance({12, 5}, line, 3), 2) << "second segment";
  EXPECT_DOUBLE_EQ(BasPointToLineDistance({-3, 4}, line, 3), 5) << "beyond the first end, to the end";
  EXPECT_DOUBLE_EQ(BasPointToLineDistance({10, 14}, line, 3), 4) << "beyond the last end";
  EXPECT_DOUBLE_EQ(BasPointToLineDistance({3, 4}, line, 1), 5) << "a single vertex";
  EXPECT_TRUE(std::isinf(BasPointToLineDistance({3, 4}, line, 0)));
}

TEST(Geometry, PointInPolygonInsideOutsideAndOnTheEdge) {
  const std::vector<D_DOT> square{{0, 0}, {10, 0}, {10, 10}, {0, 10}};
  struct Case { D_DOT p; int expected; };
  const Case cases[] = {{{5, 5}, 1}, {{15, 5}, 0}, {{10, 5}, 2}, {{0, 0}, 2}, {{5, 10}, 2}, {{-1e-9, 5}, 0}};
  for (const Case& c : cases) EXPECT_EQ(BasPointInPolygon(square, c.p), c.expected) << c.p.x << "," << c.p.y;
  // A closed ring (first vertex repeated) gives the same answers.
  std::vector<D_DOT> closed = square;
  closed.push_back(square[0]);
  EXPECT_EQ(BasPointInPolygon(closed, {5, 5}), 1);
  EXPECT_EQ(BasPointInPolygon(square.data(), 2, {5, 5}), 0);
  EXPECT_EQ(BasPointInPolygon(nullptr, 4, {5, 5}), 0);
}

TEST(Geometry, AreasAndRectangles) {
  const D_DOT ccw[] = {{0, 0}, {4, 0}, {4, 3}, {0, 3}};
  EXPECT_DOUBLE_EQ(BasPolygonArea(ccw, 4), 12);
  const D_DOT cw[] = {{0, 0}, {0, 3}, {4, 3}, {4, 0}};
  EXPECT_DOUBLE_EQ(BasPolygonArea(cw, 4), -12);
  D_RECT r{};
  ASSERT_TRUE(BasVerticesRect(ccw, 4, &r));
  EXPECT_EQ(r.xmax, 4);
  EXPECT_EQ(r.ymax, 3);
  EXPECT_FALSE(BasVerticesRect(ccw, 0, &r));
  EXPECT_EQ(BasPointInRect(r, {4, 3}), 1);
  EXPECT_EQ(BasPointInRect(r, {4.01, 3}), 0);
}

// Every vertex of the line, or of every arc of the region, edges included;
// an entity that cannot be read is never inside.
TEST(Geometry, LinesAndRegionsLieInARectangleWhenEveryVertexDoes) {
  const WorkAreaSetHandle set = BasCreateWorkAreaSet(0);
  const WorkAreaHandle lines = BasCreateLineWorkArea(set), regions = BasCreateRegionWorkArea(set);
  const LIN_INFO li;
  const int32_t line = BasAppendLine(lines, {{1, 1}, {4, 3}, {2, 2}}, li);
  const int32_t a = BasAppendLine(regions, {{0, 0}, {4, 0}, {4, 3}}, li);
  const int32_t b = BasAppendLine(regions, {{4, 3}, {0, 3}, {0, 0}}, li);
  const int32_t hole = BasAppendLine(regions, {{1, 1}, {2, 1}, {2, 2}, {1, 1}}, li);
  const int32_t region = BasAppendRegion(regions, {0, a, b, 0, -hole}, REG_INFO{});
  struct Case {
    const char* what;
    D_RECT rect;
    int line, region;
  };
  const Case cases[] = {
      {"exactly the vertices' own rectangle", {0, 0, 4, 3}, 1, 1},
      {"the line's own rectangle only", {1, 1, 4, 3}, 1, 0},
      {"one vertex outside", {0, 0, 3.99, 3}, 0, 0},
      {"only the hole's arc inside", {1, 1, 2, 2}, 0, 0},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    EXPECT_EQ(BasLineInRect(lines, line, c.rect, 0), c.line);
    EXPECT_EQ(BasRegionInRect(regions, region, c.rect, 0), c.region);
  }
  const D_RECT all{-10, -10, 10, 10};
  EXPECT_EQ(BasLineInRect(lines, line, all, 1), 0);
  EXPECT_EQ(BasRegionInRect(regions, region, all, 1), 0);
  EXPECT_EQ(BasLineInRect(lines, 99, all, 0), 0);
  EXPECT_EQ(BasRegionInRect(regions, 99, all, 0), 0);
  // A region whose arc is gone no longer lies anywhere.
  BasDeleteLine(regions, hole);
  EXPECT_EQ(BasRegionInRect(regions, region, all, 0), 0);
  BasFreeWorkAreaSet(set);
}

}  // namespace
}  // namespace zv
