#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>

#include "platform/tin/tin_contours.h"
#include "tests/platform/tin/tin_test_support.h"

namespace zv::tin {
namespace {

using test::Grid;

TEST(TinContours, PlaneGivesStraightLinesAtTheirLevels) {
  // z = x over x, y in [-5, 25]: levels 0, 10, 20 run through grid corners.
  const TinBuild build = BuildTin(Grid(-5, -5, 5, 7, [](double x, double) { return x; }));
  ASSERT_TRUE(build.tin);
  const double levels[] = {0, 10, 20};
  const std::vector<ContourLine> lines = TraceContours(*build.tin, levels);
  ASSERT_EQ(lines.size(), 3u);
  for (size_t i = 0; i < lines.size(); ++i) {
    SCOPED_TRACE(levels[i]);
    const ContourLine& line = lines[i];
    EXPECT_EQ(line.level, levels[i]);
    EXPECT_FALSE(line.closed);
    for (const D_DOT& p : line.points) EXPECT_NEAR(p.x, levels[i], 1e-12);
    const auto [lo, hi] = std::minmax({line.points.front().y, line.points.back().y});
    EXPECT_EQ(lo, -5);
    EXPECT_EQ(hi, 25);
    EXPECT_NE(line.startEdge[0], -1);
    EXPECT_NE(line.endEdge[0], -1);
  }
}

TEST(TinContours, ConeGivesClosedCircles) {
  const auto cone = [](double x, double y) { return std::hypot(x - 50, y - 50); };
  const TinBuild build = BuildTin(Grid(0, 0, 2, 51, cone));
  ASSERT_TRUE(build.tin);
  const double levels[] = {10, 20, 30};
  const std::vector<ContourLine> lines = TraceContours(*build.tin, levels);
  ASSERT_EQ(lines.size(), 3u);
  for (const ContourLine& line : lines) {
    SCOPED_TRACE(line.level);
    EXPECT_TRUE(line.closed);
    EXPECT_EQ(line.points.front().x, line.points.back().x);
    EXPECT_EQ(line.points.front().y, line.points.back().y);
    EXPECT_GT(line.points.size(), 20u);
    for (const D_DOT& p : line.points) EXPECT_NEAR(cone(p.x, p.y), line.level, 0.25);
  }
}

TEST(TinContours, CornerOnALevelCountsAsAbove) {
  // A tilted square whose two middle corners lie exactly on level 10.
  const TinBuild build = BuildTin({{0, 0, 0}, {10, 0, 10}, {0, 10, 10}, {10, 10, 20}});
  ASSERT_TRUE(build.tin);
  const double levels[] = {0, 10, 20};
  const std::vector<ContourLine> lines = TraceContours(*build.tin, levels);
  // Level 0 and 20 only touch a corner; level 10 runs corner to corner.
  ASSERT_EQ(lines.size(), 1u);
  const ContourLine& line = lines[0];
  EXPECT_FALSE(line.closed);
  for (const D_DOT& p : line.points) EXPECT_DOUBLE_EQ(p.x + p.y, 10);
  const auto [lo, hi] = std::minmax(line.points.front().x, line.points.back().x);
  EXPECT_EQ(lo, 0);
  EXPECT_EQ(hi, 10);
}

TEST(TinContours, LevelChoiceKeepsTheSurfaceRangeAndRefusesBadIntervals) {
  struct Case {
    double lowest, interval, zMin, zMax;
    std::vector<double> levels;
    const char* error;
  };
  const Case cases[] = {
      {0, 10, 3, 35, {10, 20, 30}, ""},
      {5, 10, -20, 30, {5, 15, 25}, ""},
      {100, 10, 0, 50, {}, ""},
      {0, 0, 0, 10, {}, "等值线间距必须大于0"},
      {0, -1, 0, 10, {}, "等值线间距必须大于0"},
      {0, 1e-9, 0, 10, {}, "等值线条数太多，请加大等值线间距"},
      // So many intervals away that level numbers stop counting by one (or
      // overflow): once an endless tracing loop.
      {-1e25, 1, 0, 10, {}, "最低等值线离高程范围太远，请修改最低等值线或间距"},
      {0, 1e-320, 0, 10, {}, "最低等值线离高程范围太远，请修改最低等值线或间距"},
      {1e300, 1e-300, 0, 10, {}, ""},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.lowest);
    const LevelChoice choice = ContourLevels(c.lowest, c.interval, c.zMin, c.zMax);
    EXPECT_EQ(choice.levels, c.levels);
    EXPECT_EQ(choice.error, c.error);
  }
}

}  // namespace
}  // namespace zv::tin
