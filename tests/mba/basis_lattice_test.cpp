// The cubic basis and the fit of a single lattice level.
#include <gtest/gtest.h>

#include <cmath>
#include <limits>

#include "mba/bspline_basis.h"
#include "mba/lattice_budget.h"
#include "mba/lay_phi_lattice.h"

namespace {

constexpr double kNaN = std::numeric_limits<double>::quiet_NaN();

TEST(MbaCubicBasis, IsAPartitionOfUnityOnTheCell) {
  for (double t : {0.0, 0.125, 0.25, 0.5, 0.7, 0.999, 1.0}) {
    double b[4];
    zembrol::CubicBSplineBasis(t, b);
    EXPECT_NEAR(b[0] + b[1] + b[2] + b[3], 1.0, 1e-15) << "t = " << t;
    for (double value : b) {
      EXPECT_GE(value, 0.0) << "t = " << t;
    }
    double weights = 0.0;
    for (int k = 0; k < 4; ++k) {
      for (int l = 0; l < 4; ++l) {
        weights += CLayPhiLattice::BSplineWeight(k, l, t, 1.0 - t);
      }
    }
    EXPECT_NEAR(weights, 1.0, 1e-15) << "t = " << t;
  }
}

TEST(MbaCubicBasis, KnownValuesAndRefusedIndices) {
  double b[4];
  zembrol::CubicBSplineBasis(0.0, b);
  EXPECT_DOUBLE_EQ(b[0], 1.0 / 6.0);
  EXPECT_DOUBLE_EQ(b[1], 4.0 / 6.0);
  EXPECT_DOUBLE_EQ(b[2], 1.0 / 6.0);
  EXPECT_EQ(b[3], 0.0);
  EXPECT_DOUBLE_EQ(CLayPhiLattice::BSplineWeight(1, 2, 0.5, 0.5), (23.0 / 48.0) * (23.0 / 48.0));
  for (auto [k, l] : {std::pair{-1, 0}, {4, 0}, {0, -1}, {0, 4}}) {
    EXPECT_EQ(CLayPhiLattice::BSplineWeight(k, l, 0.5, 0.5), 0.0) << k << "," << l;
  }
}

// One sample in the middle of a single cell: every node takes w z / S, with
// S = (1060 / 2304)^2 the sum of the sixteen squared weights, except the four
// corner nodes, whose weight (1/2304)^2 stays below the empty threshold.
TEST(MbaLayPhiLattice, OneSampleInTheMiddleOfACell) {
  const D_RECT rect{0.0, 0.0, 1.0, 1.0};
  const D_3DOT sample{0.5, 0.5, 2.0};
  CLayPhiLattice level;
  ASSERT_EQ(level.CalculatePhiIJ(&sample, 1, 1, 1, &rect), 1);
  const double sumOfSquares = (1060.0 / 2304.0) * (1060.0 / 2304.0);
  EXPECT_NEAR(level.Phi(1, 1), (529.0 / 2304.0) * 2.0 / sumOfSquares, 1e-12);
  EXPECT_NEAR(level.Phi(0, 1), (23.0 / 2304.0) * 2.0 / sumOfSquares, 1e-12);
  for (auto [c, r] : {std::pair{0, 0}, {3, 0}, {0, 3}, {3, 3}}) {
    EXPECT_TRUE(level.IsEmptyNode(c, r));
    EXPECT_EQ(level.Phi(c, r), 0.0);
  }
  EXPECT_FALSE(level.IsEmptyNode(1, 2));
  double value = 0.0;
  ASSERT_EQ(level.Evaluate(&rect, 0.5, 0.5, value), 3);
  EXPECT_NEAR(value, 2.0 * (1.0 - 4.0 / (1060.0 * 1060.0)), 1e-12);
}

// One sample on a lattice node: weights 1/6, 4/6, 1/6 and 0 along each axis,
// S = 1/4, so the node under the sample takes (16/36) z / S = 16/9 z, the
// nodes of weight 0 stay empty and the level passes through the sample.
TEST(MbaLayPhiLattice, OneSampleOnANode) {
  const D_RECT rect{0.0, 0.0, 2.0, 2.0};
  const D_3DOT sample{1.0, 1.0, 9.0};
  CLayPhiLattice level;
  ASSERT_EQ(level.CalculatePhiIJ(&sample, 1, 2, 2, &rect), 1);
  EXPECT_NEAR(level.Phi(2, 2), 16.0, 1e-12);
  EXPECT_NEAR(level.Phi(1, 2), 4.0, 1e-12);
  EXPECT_TRUE(level.IsEmptyNode(4, 2));
  EXPECT_TRUE(level.IsEmptyNode(0, 0));
  double value = 0.0;
  ASSERT_EQ(level.Evaluate(&rect, 1.0, 1.0, value), 3);
  EXPECT_NEAR(value, 9.0, 1e-12);
}

TEST(MbaLayPhiLattice, FarCornerEvaluatesInsideTheLattice) {
  const D_RECT rect{0.0, 0.0, 4.0, 3.0};
  const D_3DOT samples[] = {{0.5, 0.5, 1.0}, {3.5, 2.5, 5.0}, {2.0, 1.0, 2.0}, {3.9, 2.9, 4.0}};
  CLayPhiLattice level;
  ASSERT_EQ(level.CalculatePhiIJ(samples, 4, 4, 3, &rect), 1);
  double corner = 0.0;
  double inside = 0.0;
  ASSERT_EQ(level.Evaluate(&rect, 4.0, 3.0, corner), 3);
  ASSERT_EQ(level.Evaluate(&rect, 4.0 - 1e-9, 3.0 - 1e-9, inside), 3);
  EXPECT_NEAR(corner, inside, 1e-6);
}

TEST(MbaLayPhiLattice, RefusesBadArgumentsAndKeepsItsFit) {
  const D_RECT rect{0.0, 0.0, 1.0, 1.0};
  const D_RECT flat{0.0, 0.0, 0.0, 1.0};
  const D_3DOT inside{0.5, 0.5, 1.0};
  const struct {
    const char* name;
    D_3DOT sample;
    int32_t m;
    int32_t n;
    const D_RECT* rect;
  } cases[] = {
      {"no rectangle", inside, 1, 1, nullptr},
      {"no cells in x", inside, 0, 1, &rect},
      {"no cells in y", inside, 1, -1, &rect},
      {"flat rectangle", inside, 1, 1, &flat},
      {"lattice over the cap", inside, 1 << 14, 1 << 14, &rect},
      // Left of the rectangle the node index would wrap into the row below.
      {"sample left of the rectangle", {-0.5, 0.5, 1.0}, 1, 1, &rect},
      {"sample above the rectangle", {0.5, 1.5, 1.0}, 1, 1, &rect},
      {"sample not a number", {kNaN, 0.5, 1.0}, 1, 1, &rect},
      {"coefficients overflow", {0.5, 0.5, 1.7e308}, 1, 1, &rect},
  };
  for (const auto& c : cases) {
    CLayPhiLattice level;
    ASSERT_EQ(level.CalculatePhiIJ(&inside, 1, 1, 1, &rect), 1);
    EXPECT_EQ(level.CalculatePhiIJ(&c.sample, 1, c.m, c.n, c.rect), 0) << c.name;
    double value = 0.0;
    EXPECT_EQ(level.Evaluate(&rect, 0.5, 0.5, value), 3) << c.name;
    EXPECT_NEAR(value, 1.0, 1e-5) << c.name;
  }
  CLayPhiLattice level;
  EXPECT_EQ(level.CalculatePhiIJ(nullptr, 1, 1, 1, &rect), 0);
  double value = 0.0;
  EXPECT_EQ(level.Evaluate(&rect, 0.5, 0.5, value), 0) << "a level without coefficients";
}

TEST(MbaLayPhiLattice, EvaluateRefusesPointsOutsideTheLevel) {
  const D_RECT rect{0.0, 0.0, 1.0, 1.0};
  const D_3DOT sample{0.5, 0.5, 1.0};
  CLayPhiLattice level;
  ASSERT_EQ(level.CalculatePhiIJ(&sample, 1, 2, 2, &rect), 1);
  double value = 0.0;
  for (auto [x, y] : {std::pair{-0.01, 0.5}, {1.01, 0.5}, {0.5, -0.01}, {0.5, 1.01}, {kNaN, 0.5}}) {
    EXPECT_EQ(level.Evaluate(&rect, x, y, value), 0) << x << "," << y;
  }
  EXPECT_EQ(level.Evaluate(nullptr, 0.5, 0.5, value), 0);
}

TEST(MbaLatticeBudget, CountsNodesIn64BitsAndCapsTheTotal) {
  EXPECT_EQ(zembrol::LatticeNodes(8, 8), 121);
  EXPECT_EQ(zembrol::MultilevelNodes(8, 8, 0), 0);
  EXPECT_EQ(zembrol::MultilevelNodes(8, 8, 2), 121 + 19 * 19);
  EXPECT_TRUE(zembrol::MultilevelNodes(8, 8, 10).has_value());
  EXPECT_FALSE(zembrol::MultilevelNodes(8, 8, 11).has_value());
  EXPECT_FALSE(zembrol::MultilevelNodes(1, 1, 100).has_value());
  EXPECT_FALSE(zembrol::LatticeNodes(INT32_MAX, INT32_MAX).has_value());
  EXPECT_FALSE(zembrol::LatticeNodes(0, 8).has_value());
}

}  // namespace
