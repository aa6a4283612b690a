#include "tools/line/core/contour_geometry.h"

#include <gtest/gtest.h>

#include <cmath>
#include <sstream>

namespace zv::tools {
namespace {

std::string Dump(const Polyline& points) {
  std::ostringstream out;
  for (std::size_t i = 0; i < points.size(); ++i) out << (i ? " " : "") << points[i].x << "," << points[i].y;
  return out.str();
}

Polyline Row(double y, int n, double x0 = 0, double dx = 1) {
  Polyline line;
  for (int i = 0; i < n; ++i) line.push_back({x0 + i * dx, y});
  return line;
}

TEST(Contours, EqualLinesByAlgorithmOneGiveEvenFractions) {
  const std::vector<Polyline> contours = PlaceContours(ContourPairs(Row(0, 10), Row(10, 10), 1, 0), 4);
  ASSERT_EQ(contours.size(), 4u);
  for (int j = 0; j < 4; ++j) {
    ASSERT_EQ(contours[j].size(), 10u);
    for (int i = 0; i < 10; ++i) {
      EXPECT_DOUBLE_EQ(contours[j][i].x, i);
      EXPECT_DOUBLE_EQ(contours[j][i].y, 2.0 * (j + 1));
    }
  }
}

TEST(Contours, DifferentCountsAreResampledToTheDerivedCount) {
  const Polyline line1 = Row(0, 8, 0, 1);     // length 7
  const Polyline line2 = Row(10, 12, 0, 1);   // length 11
  const VertexPairs pairs = ContourPairs(line1, line2, 1, 0);
  ASSERT_EQ(pairs.u.size(), 11u);  // (8 + 12 + 3) / 2
  EXPECT_EQ(Dump({pairs.u.front(), pairs.u.back()}), "0,0 7,0");
  EXPECT_DOUBLE_EQ(pairs.u[1].x, 7.0 / 11);
  EXPECT_DOUBLE_EQ(pairs.w[5].x, 5.0);
  const std::vector<Polyline> contours = PlaceContours(pairs, 1);
  // The first and last points lie on the segments joining the ends.
  EXPECT_EQ(Dump({contours[0].front(), contours[0].back()}), "0,5 9,5");
  EXPECT_EQ(ContourPairs(line1, line2, 1, 6).u.size(), 6u);
}

TEST(Contours, ThePairingAlgorithmsOnOneCase) {
  const Polyline line1{{0, 0}, {4, 0}};
  const Polyline line2{{0, 10}, {1, 10}, {2, 10}, {3, 10}, {4, 10}};
  struct Case {
    int algorithm;
    const char* u;
    const char* w;
  };
  const Case cases[] = {
      // Resampled to (2 + 5 + 3) / 2 = 5 points at i·L/5, the last one the end.
      {1, "0,0 0.8,0 1.6,0 2.4,0 4,0", "0,10 0.8,10 1.6,10 2.4,10 4,10"},
      {2, "0,0 0,0 0,0 4,0 4,0", "0,10 1,10 2,10 3,10 4,10"},  // line 2 walked, nearest of line 1
      {3, "0,0 0,0 0,0 4,0 4,0", "0,10 1,10 2,10 3,10 4,10"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.algorithm);
    const VertexPairs pairs = ContourPairs(line1, line2, c.algorithm, 0);
    EXPECT_EQ(Dump(pairs.u), c.u);
    EXPECT_EQ(Dump(pairs.w), c.w);
  }
  // Algorithm 3 pairs the shorter line's skipped vertices with their nearest first.
  const Polyline longer{{0, 0}, {1, 0}, {2, 0}, {3, 0}, {10, 0}, {11, 0}};
  const Polyline shorter{{0, 5}, {6, 5}, {8, 5}, {11, 5}};
  const VertexPairs walked = PairVertices(longer, shorter);
  EXPECT_EQ(Dump(walked.u), "0,0 1,0 2,0 3,0 3,0 10,0 10,0 11,0");
  EXPECT_EQ(Dump(walked.w), "0,5 0,5 0,5 0,5 6,5 8,5 11,5 11,5");
  // A line of one vertex gives nothing.
  EXPECT_TRUE(ContourPairs({{0, 0}}, line2, 1, 0).u.empty());
}

TEST(Contours, ReversalIsFoundForOpposedLinesIncludingTwoVertexOnes) {
  struct Case {
    const char* name;
    Polyline line1, line2;
    bool reversed;
  };
  const Case cases[] = {
      {"same direction", Row(0, 10), Row(5, 10), false},
      {"opposite direction", Row(0, 10), Row(5, 10, 9, -1), true},
      {"two vertices, same", Row(0, 2, 0, 10), Row(5, 2, 0, 10), false},
      {"two vertices, opposite", Row(0, 2, 0, 10), Row(5, 2, 10, -10), true},
      {"nearest is line 2's last vertex", Row(0, 3, 0, 10), Row(5, 2, -5, 20), false},
      {"one vertex", {{0, 0}}, Row(5, 3), false},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    EXPECT_EQ(NeedsReversal(c.line1, c.line2), c.reversed);
  }
}

TEST(Contours, LongLinesAndFreePointsAndStretches) {
  const Polyline a = Row(0, 6000), b = Row(100, 6000);
  const std::vector<Polyline> contours = PlaceContours(ContourPairs(a, b, 1, 0), 4);
  ASSERT_EQ(contours.size(), 4u);
  EXPECT_EQ(contours[3].size(), 6000u);
  EXPECT_DOUBLE_EQ(contours[3][5999].y, 80);
  EXPECT_EQ(PairVertices(a, Row(50, 5000)).u.size(), 6000u);
  // Crossing connectors: the second pair is swapped.
  const std::vector<Polyline> free = FreeContours({0, 0}, {10, 0}, {10, 10}, {0, 10}, 1);
  ASSERT_EQ(free.size(), 1u);
  EXPECT_EQ(Dump(free[0]), "0,5 10,5");
  EXPECT_EQ(Dump(StretchBetween(Row(0, 10), {7.2, 1}, {2.1, -1})), "2,0 3,0 4,0 5,0 6,0 7,0");
  EXPECT_EQ(Dump(ResampleLine(Row(0, 2, 0, 10), 5)), "0,0 2,0 4,0 6,0 10,0");
}

}  // namespace
}  // namespace zv::tools
