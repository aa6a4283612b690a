#include <gtest/gtest.h>

#include "common/line_intersection.h"

namespace {

struct Case {
  const char* name;
  double s[8];
  D_DOT expected;
};

const Case kCases[] = {
    {"the two axes", {0, -1, 0, 1, -1, 0, 1, 0}, {0, 0}},
    {"parallel lines give (x3, y1)", {0, 0, 2, 0, 5, 1, 7, 1}, {5, 0}},
    {"collinear lines give (x3, y1)", {0, 0, 2, 2, 3, 3, 5, 5}, {3, 0}},
    {"zero-length first segment", {1, 1, 1, 1, 0, 0, 2, 2}, {0, 1}},
    {"crossing beyond both segments", {0, 0, 1, 1, 10, 0, 9, 1}, {5, 5}},
    {"short segments crossing off the origin", {0, 0, 0.01, 0.01, 0, 0.01, 0.01, 0}, {0.005, 0.005}},
    {"map in degrees", {116.0, 39.0, 116.00001, 39.00001, 116.0, 39.00001, 116.00001, 39.0},
     {116.000005, 39.000005}},
    {"large plane coordinates", {3500000, 500000, 3500100, 500100, 3500000, 500100, 3500100, 500000},
     {3500050, 500050}},
    {"nearly parallel still crosses", {0, 0, 1000, 0, 0, -1, 1000, 1e-3}, {999.000999000999, 0}},
};

TEST(LineIntersectionTest, CasesInAllThreeForms) {
  for (const Case& c : kCases) {
    SCOPED_TRACE(c.name);
    const double* s = c.s;
    D_DOT out{-99, -99};
    const D_DOT r = LineIntersection(&out, s[0], s[1], s[2], s[3], s[4], s[5], s[6], s[7]);
    const double tol = 1e-9 * (1 + std::abs(c.expected.x) + std::abs(c.expected.y));
    EXPECT_NEAR(r.x, c.expected.x, tol);
    EXPECT_NEAR(r.y, c.expected.y, tol);
    EXPECT_EQ(out.x, r.x);
    EXPECT_EQ(out.y, r.y);
    const D_DOT p1{s[0], s[1]}, p2{s[2], s[3]}, p3{s[4], s[5]}, p4{s[6], s[7]};
    const D_DOT q = LineIntersection(p1, p2, p3, p4);
    const D_DOT w = LineIntersectionPoint(p1, p2, p3, p4);
    EXPECT_EQ(q.x, r.x);
    EXPECT_EQ(q.y, r.y);
    EXPECT_EQ(w.x, r.x);
    EXPECT_EQ(w.y, r.y);
  }
}

TEST(LineIntersectionTest, NullOutIsAllowed) {
  const D_DOT r = LineIntersection(nullptr, 0, -1, 0, 1, -1, 0, 1, 0);
  EXPECT_EQ(r.x, 0);
  EXPECT_EQ(r.y, 0);
}

}  // namespace
