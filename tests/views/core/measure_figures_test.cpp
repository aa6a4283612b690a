#include "views/core/measure_figures.h"

#include <gtest/gtest.h>

#include <cmath>
#include <vector>

namespace zv::views {
namespace {

TEST(MeasureFigures, TheFiguresOfThePartsCasesAndTheDegenerateOnes) {
  struct Case {
    const char* name;
    std::vector<D_DOT> points;
    double scale;
    MeasureFigures expected;
  };
  const Case cases[] = {
      {"one segment", {{0, 0}, {3, 4}}, 1000, {5, 5, 5, 5, 36.8699, 0}},
      {"two segments", {{0, 0}, {3, 4}, {3, 0}}, 2000, {4, 9, 8, 18, 180, 36.8699}},
      {"coincident points", {{1, 1}, {1, 1}}, 1000, {0, 0, 0, 0, 0, 0}},
      {"zero-length side at the angle", {{0, 0}, {2, 0}, {2, 0}}, 1000, {0, 2, 0, 2, 0, 0}},
      {"straight on", {{0, 0}, {1, 0}, {2, 0}}, 1000, {1, 2, 1, 2, 90, 180}},
      {"back on itself", {{0, 0}, {1, 0}, {0, 0}}, 1000, {1, 2, 1, 2, 270, 0}},
      {"one point", {{5, 5}}, 1000, {0, 0, 0, 0, 0, 0}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    const std::array<double, 6> got = ComputeMeasureFigures(c.points, c.scale).values();
    const std::array<double, 6> want = c.expected.values();
    for (std::size_t i = 0; i < got.size(); ++i) {
      EXPECT_FALSE(std::isnan(got[i]));
      EXPECT_NEAR(got[i], want[i], 1e-4) << "figure " << i;
    }
  }
}

TEST(MeasureFigures, SeventyPointsAreMeasuredWhole) {
  std::vector<D_DOT> points;
  for (int i = 0; i < 70; ++i) points.push_back({static_cast<double>(i), 0});
  const MeasureFigures f = ComputeMeasureFigures(points, 1000);
  EXPECT_DOUBLE_EQ(f.total, 69);
  EXPECT_DOUBLE_EQ(f.last, 1);
}

TEST(MeasureFigures, DirectionRunsClockwiseFromNorth) {
  const std::pair<D_DOT, double> cases[] = {{{0, 1}, 0}, {{1, 0}, 90}, {{0, -1}, 180}, {{-1, 0}, 270}, {{-1, 1}, 315}};
  for (const auto& [to, direction] : cases) {
    const std::vector<D_DOT> points{{0, 0}, to};
    EXPECT_NEAR(ComputeMeasureFigures(points, 1).direction, direction, 1e-9);
  }
}

}  // namespace
}  // namespace zv::views
