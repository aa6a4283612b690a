// The invalid-value option: holes of the sample cover are filled with
// samples interpolated at the empty nodes of a trial lattice.
#include <gtest/gtest.h>

#include <cmath>
#include <vector>

#include "mba/zembrol.h"

namespace {

// Two samples in opposite corners of [0, 10]^2: the domain is [-0.1, 10.1]^2
// and a 10 x 10 trial lattice has its nodes 1.02 apart; the samples lie at
// lattice coordinates 0.098 and 9.902.
const std::vector<D_3DOT> kCornerSamples{{0.0, 0.0, 0.0}, {10.0, 10.0, 10.0}};
constexpr double kNodeSpacing = 1.02;

const D_3DOT* FindSampleAt(const CMutilBSplineObj& surface, double x, double y) {
  for (int32_t index = 0; index < surface.GetSampleCount(); ++index) {
    const D_3DOT& sample = surface.GetSamples()[index];
    if (std::fabs(sample.x - x) < 1e-9 && std::fabs(sample.y - y) < 1e-9) {
      return &sample;
    }
  }
  return nullptr;
}

int32_t FitWithOption(CMutilBSplineObj& surface, const std::vector<D_3DOT>& samples, int32_t initM, int32_t initN) {
  return surface.CalculateAllLayPhiIJ1(samples.data(), static_cast<int32_t>(samples.size()), 3, 4, 4, nullptr, true,
                                       initM, initN);
}

TEST(MbaInvalidValueOption, EmptyNodesGetInverseDistanceValuesOfTheNearestWindow) {
  CMutilBSplineObj surface;
  ASSERT_EQ(FitWithOption(surface, kCornerSamples, 10, 10), 1);
  EXPECT_TRUE(surface.GetCalcInvalid());
  ASSERT_GT(surface.GetSampleCount(), 2);
  EXPECT_EQ(surface.GetSamples()[0].z, 0.0);
  EXPECT_EQ(surface.GetSamples()[1].z, 10.0);
  const D_RECT domain = *surface.GetDomain();
  for (int32_t index = 2; index < surface.GetSampleCount(); ++index) {
    const D_3DOT& made = surface.GetSamples()[index];
    EXPECT_GT(made.x, domain.xmin);
    EXPECT_LT(made.x, domain.xmax);
    EXPECT_GE(made.z, 0.0);
    EXPECT_LE(made.z, 10.0 + 1e-12);
  }
  // Node (5, 5) lies as far from both samples: the window of size 5 takes both.
  const D_3DOT* middle = FindSampleAt(surface, 5 * kNodeSpacing - 0.1, 5 * kNodeSpacing - 0.1);
  ASSERT_NE(middle, nullptr);
  EXPECT_NEAR(middle->z, 5.0, 1e-12);
  // Node (3, 1): the window of size 3 already holds the first sample alone.
  const D_3DOT* nearFirst = FindSampleAt(surface, 3 * kNodeSpacing - 0.1, 1 * kNodeSpacing - 0.1);
  ASSERT_NE(nearFirst, nullptr);
  EXPECT_EQ(nearFirst->z, 0.0);
  // The nodes a sample influences are not filled.
  EXPECT_EQ(FindSampleAt(surface, 1 * kNodeSpacing - 0.1, 1 * kNodeSpacing - 0.1), nullptr);
}

TEST(MbaInvalidValueOption, MadeSamplesFollowColumnsFromTheLeftThenRows) {
  CMutilBSplineObj surface;
  ASSERT_EQ(FitWithOption(surface, kCornerSamples, 10, 10), 1);
  for (int32_t index = 3; index < surface.GetSampleCount(); ++index) {
    const D_3DOT& before = surface.GetSamples()[index - 1];
    const D_3DOT& after = surface.GetSamples()[index];
    EXPECT_TRUE(before.x < after.x || (before.x == after.x && before.y < after.y)) << index;
  }
}

TEST(MbaInvalidValueOption, TrialLatticeOfOneCellHasNoInteriorNode) {
  CMutilBSplineObj surface;
  ASSERT_EQ(FitWithOption(surface, kCornerSamples, 1, 1), 1);
  EXPECT_EQ(surface.GetSampleCount(), 2);
}

TEST(MbaInvalidValueOption, DenseCoverAddsNothingAndOptionOffKeepsTheInput) {
  std::vector<D_3DOT> grid;
  for (int i = 0; i <= 20; ++i) {
    for (int j = 0; j <= 20; ++j) {
      grid.push_back({i * 0.5, j * 0.5, 1.0 * i});
    }
  }
  CMutilBSplineObj surface;
  ASSERT_EQ(FitWithOption(surface, grid, 8, 8), 1);
  EXPECT_EQ(surface.GetSampleCount(), static_cast<int32_t>(grid.size()));
  ASSERT_EQ(surface.CalculateAllLayPhiIJ1(kCornerSamples.data(), 2, 3, 4, 4, nullptr, false, 10, 10), 1);
  EXPECT_FALSE(surface.GetCalcInvalid());
  EXPECT_EQ(surface.GetSampleCount(), 2);
}

// Filled holes make the surface follow the nearby samples instead of sinking
// towards 0 between distant clusters.
TEST(MbaInvalidValueOption, FillingHolesKeepsTheSurfaceNearTheData) {
  std::vector<D_3DOT> samples;
  for (int i = 0; i < 5; ++i) {
    for (int j = 0; j < 5; ++j) {
      samples.push_back({i * 0.2, j * 0.2, 100.0});
      samples.push_back({20.0 + i * 0.2, 20.0 + j * 0.2, 100.0});
    }
  }
  CMutilBSplineObj plain;
  CMutilBSplineObj filled;
  ASSERT_EQ(plain.CalculateAllLayPhiIJ1(samples.data(), 50, 4, 8, 8, nullptr, false, 0, 0), 1);
  ASSERT_EQ(FitWithOption(filled, samples, 16, 16), 1);
  double plainZ = 0.0;
  double filledZ = 0.0;
  ASSERT_EQ(plain.GetMBAInterpolateValue(10.0, 10.0, plainZ), 3);
  ASSERT_EQ(filled.GetMBAInterpolateValue(10.0, 10.0, filledZ), 3);
  EXPECT_LT(plainZ, 50.0);
  EXPECT_NEAR(filledZ, 100.0, 10.0);
}

}  // namespace
