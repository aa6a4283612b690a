#include <gtest/gtest.h>

#include <cmath>
#include <set>

#include "platform/tin/tin.h"
#include "platform/tin/tin_locate.h"
#include "tests/platform/tin/tin_test_support.h"

namespace zv::tin {
namespace {

using test::Grid;
using test::TwiceArea;

// Sum of the triangles' areas; every triangle must be counter-clockwise.
double CoveredArea(const Tin& tin) {
  double sum = 0;
  for (const Triangle& t : tin.triangles()) {
    const double a = TwiceArea(tin.points()[t[0]], tin.points()[t[1]], tin.points()[t[2]]);
    EXPECT_GT(a, 0);
    sum += a / 2;
  }
  return sum;
}

TEST(TinBuild, GridWithCollinearRowsAndRepeatsCoversItsSquareOnce) {
  const double offsets[] = {0.0, 3512345.0};  // map coordinates keep their precision
  for (double offset : offsets) {
    SCOPED_TRACE(offset);
    std::vector<TinPoint> points = Grid(offset, offset, 10, 11, [](double x, double) { return x; });
    for (int i = 0; i < 5; ++i) points.push_back({points[i * 7].x, points[i * 7].y, -99});
    const TinBuild build = BuildTin(points);
    ASSERT_TRUE(build.tin) << build.error;
    EXPECT_EQ(build.duplicates, 5);
    EXPECT_EQ(build.tin->points().size(), 121u);
    EXPECT_EQ(build.tin->triangles().size(), 200u);
    EXPECT_NEAR(CoveredArea(*build.tin), 100.0 * 100.0, 1e-6);
    std::set<int32_t> used;
    for (const Triangle& t : build.tin->triangles()) used.insert(t.begin(), t.end());
    EXPECT_EQ(used.size(), 121u);
    // The first point of a repeated position keeps its elevation.
    EXPECT_EQ(build.tin->zMin(), offset);
  }
}

TEST(TinBuild, TooFewOrCollinearPointsMakeNoSurface) {
  struct Case {
    const char* name;
    std::vector<TinPoint> points;
    const char* error;
  };
  const Case cases[] = {
      {"none", {}, "不同的高程点少于3个，无法构成三角网"},
      {"two", {{0, 0, 1}, {1, 1, 2}}, "不同的高程点少于3个，无法构成三角网"},
      {"three with a repeat", {{0, 0, 1}, {1, 1, 2}, {1, 1, 3}}, "不同的高程点少于3个，无法构成三角网"},
      {"on a line", {{0, 0, 1}, {1, 1, 2}, {2, 2, 3}, {5, 5, 0}, {-3, -3, 1}}, "高程点都在一条直线上，无法构成三角网"},
      {"not numbers", {{0, 0, 1}, {1, 0, NAN}, {0, INFINITY, 3}, {1, 1, 1}}, "不同的高程点少于3个，无法构成三角网"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    const TinBuild build = BuildTin(c.points);
    EXPECT_FALSE(build.tin);
    EXPECT_EQ(build.error, c.error);
  }
  EXPECT_EQ(BuildTin({{0, 0, 1}, {1, 0, NAN}, {0, INFINITY, 3}, {1, 1, 1}}).nonFinite, 2);
}

TEST(TinLocate, ValuesAreLinearInsideAndNoneOutsideTheHull) {
  std::vector<TinPoint> points;
  for (int i = 0; i < 400; ++i) {
    const double x = std::fmod(i * 37.31, 100.0), y = std::fmod(i * 71.77, 100.0);
    points.push_back({x, y, 2 * x + 3 * y + 1});
  }
  const TinBuild build = BuildTin(points);
  ASSERT_TRUE(build.tin);
  const TinLocator locator(*build.tin);
  int inside = 0;
  for (double x = 0.5; x < 100; x += 3.3)
    for (double y = 0.5; y < 100; y += 3.7) {
      const double v = locator.ValueAt(x, y);
      if (std::isnan(v)) continue;
      ++inside;
      EXPECT_NEAR(v, 2 * x + 3 * y + 1, 1e-9);
    }
  EXPECT_GT(inside, 700);
  EXPECT_TRUE(std::isnan(locator.ValueAt(-1, 50)));
  EXPECT_TRUE(std::isnan(locator.ValueAt(50, 101)));
  // A corner gives its own value.
  const TinPoint& p = build.tin->points()[17];
  EXPECT_NEAR(locator.ValueAt(p.x, p.y), p.z, 1e-9);
}

}  // namespace
}  // namespace zv::tin
