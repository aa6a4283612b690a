#include <gtest/gtest.h>

#include "common/segment_tests.h"

namespace {

struct Case {
  const char* name;
  double s[8];
  bool crosses;
  uint16_t where;
};

const Case kCases[] = {
    {"proper crossing", {0, 0, 2, 2, 0, 2, 2, 0}, true, kCrossingInside},
    {"touching at P3", {0, 0, 2, 0, 1, 0, 1, 5}, false, kCrossingAtStart},
    {"touching at P4", {0, 0, 2, 0, 1, 5, 1, 0}, false, kCrossingAtEnd},
    {"crossing at P1", {0, 0, 2, 0, 0, -1, 0, 1}, false, kNoCrossing},
    {"parallel", {0, 0, 2, 0, 0, 1, 2, 1}, false, kNoCrossing},
    {"beyond P2", {0, 0, 2, 0, 3, -1, 3, 1}, false, kNoCrossing},
    {"two vertical", {0, 0, 0, 2, 1, 0, 1, 2}, false, kNoCrossing},
    {"collinear overlapping", {0, 0, 2, 2, 1, 1, 3, 3}, false, kNoCrossing},
    {"collinear horizontal", {0, 0, 2, 0, 1, 0, 3, 0}, false, kNoCrossing},
    {"one vertical crossing", {1, -1, 1, 1, 0, 0, 2, 0}, true, kCrossingInside},
    {"zero-length segment", {1, 1, 1, 1, 0, 0, 2, 2}, false, kNoCrossing},
    {"nearly parallel slopes", {0, 0, 10, 0, 0, -0.00001, 10, 0.00001}, false, kCrossingInside},
    {"crossing at P2", {0, 0, 2, 0, 2, -1, 2, 1}, false, kCrossingInside},
    {"just before P3 within 1e-8", {0, 0, 2, 0, 1, 1e-9, 1, 5}, false, kCrossingAtStart},
};

}  // namespace

TEST(SegmentTests, TableOfCases) {
  for (const Case& c : kCases) {
    SCOPED_TRACE(c.name);
    const double* s = c.s;
    EXPECT_EQ(SegmentsIntersect(s[0], s[1], s[2], s[3], s[4], s[5], s[6], s[7]), c.crosses);
    EXPECT_EQ(IntersectSegments(s[0], s[1], s[2], s[3], s[4], s[5], s[6], s[7]), c.where);
  }
}

TEST(SegmentTests, CrossTestAndCrossPointOfTheStrata) {
  const struct {
    const char* name;
    double s[8];
    bool crosses;
    bool meets;
    double x, y;
  } cases[] = {
      {"proper crossing", {0, 0, 2, 2, 0, 2, 2, 0}, true, true, 1, 1},
      {"apart", {0, 0, 1, 1, 3, 0, 4, 5}, false, true, 3.75, 3.75},
      {"touching at a2 only", {0, 0, 1, 1, 1, 1, 2, 0}, false, true, 1, 1},
      {"collinear", {0, 0, 1, 0, 2, 0, 3, 0}, true, false, 0, 0},
      {"vertical over a vertex below", {5, 10, 5, 0, 5, -3, 8, -4}, true, true, 5, -3},
      {"vertical over the second vertex", {5, 10, 5, 0, 2, -1, 5, -4}, true, true, 5, -4},
      {"parallel", {0, 0, 1, 1, 0.5, 1.5, 1.5, 2.5}, false, false, 0, 0},
      {"a1 at b1's x, whatever else", {0, 0, 1, 1, 0, 5, 1, 6}, true, false, 0, 0},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    const double* s = c.s;
    EXPECT_EQ(SegmentCrossTest(s[0], s[1], s[2], s[3], s[4], s[5], s[6], s[7]), c.crosses);
    double x = 0, y = 0;
    EXPECT_EQ(SegmentCrossPoint(s[0], s[1], s[2], s[3], s[4], s[5], s[6], s[7], &x, &y), c.meets);
    if (c.meets) {
      EXPECT_NEAR(x, c.x, 1e-12);
      EXPECT_NEAR(y, c.y, 1e-12);
    }
  }
}

TEST(SegmentTests, SegmentsCrossCountsTouchesAndRefusesParallelAndCollinear) {
  struct Row {
    const char* name;
    double s[8];
    bool crosses;
  };
  const Row rows[] = {
      {"proper crossing", {0, 0, 2, 2, 0, 2, 2, 0}, true},
      {"B touches A at its start", {0, 0, 2, 0, 1, 0, 1, 5}, true},
      {"A touches B at an end of A", {0, 0, 2, 0, 2, -1, 2, 1}, true},
      {"B wholly above A", {0, 0, 2, 0, 0, 1, 2, 3}, false},
      {"A's ends on one side of B", {0, 0, 2, 0, 3, -1, 3, 1}, false},
      {"collinear vertical", {0, 0, 0, 2, 0, 1, 0, 3}, false},
      {"collinear horizontal", {0, 0, 2, 0, 1, 0, 3, 0}, false},
      {"two vertical apart (NaN slopes)", {0, 0, 0, 2, 1, 0, 1, 2}, false},
      {"slopes within 0.0001", {0, 0, 10, 0, 0, -0.00001, 10, 0.00001}, false},
      {"one vertical crossing", {1, -1, 1, 1, 0, 0, 2, 0}, true},
  };
  for (const Row& r : rows) {
    SCOPED_TRACE(r.name);
    const double* s = r.s;
    EXPECT_EQ(SegmentsCross(s[0], s[1], s[2], s[3], s[4], s[5], s[6], s[7]), r.crosses);
  }
}
