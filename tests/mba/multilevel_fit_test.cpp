// Fitting and evaluating the multilevel surface.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <limits>
#include <random>
#include <vector>

#include "mba/zembrol.h"
#include "tests/mba/para_choice.h"
#include "tests/mba/sample_sets.h"

namespace {

using zembrol::test::CallSetMultiBSplinePara;
using zembrol::test::ParaChoice;
using zembrol::test::ScatteredSamples;

constexpr double kNaN = std::numeric_limits<double>::quiet_NaN();
constexpr double kInf = std::numeric_limits<double>::infinity();

int32_t Fit(CMutilBSplineObj& surface, const std::vector<D_3DOT>& samples, int32_t levels, int32_t m = 4,
            int32_t n = 4, const D_RECT* rect = nullptr) {
  return surface.CalculateAllLayPhiIJ1(samples.data(), static_cast<int32_t>(samples.size()), levels, m, n, rect,
                                       false, 0, 0);
}

double ValueAt(const CMutilBSplineObj& surface, double x, double y) {
  double z = kNaN;
  EXPECT_EQ(surface.GetMBAInterpolateValue(x, y, z), 3) << x << "," << y;
  return z;
}

double LargestMiss(const CMutilBSplineObj& surface, const std::vector<D_3DOT>& samples) {
  double largest = 0.0;
  for (const D_3DOT& sample : samples) {
    largest = std::max(largest, std::fabs(ValueAt(surface, sample.x, sample.y) - sample.z));
  }
  return largest;
}

double RmsMiss(const CMutilBSplineObj& surface, const std::vector<D_3DOT>& samples) {
  double sum = 0.0;
  for (const D_3DOT& sample : samples) {
    const double miss = ValueAt(surface, sample.x, sample.y) - sample.z;
    sum += miss * miss;
  }
  return std::sqrt(sum / samples.size());
}

TEST(MbaMultilevelFit, NewObjectIsEmpty) {
  const CMutilBSplineObj surface;
  EXPECT_EQ(surface.GetLevelCount(), 0);
  EXPECT_EQ(surface.GetDomain(), nullptr);
  EXPECT_EQ(surface.GetSampleCount(), 0);
  EXPECT_FALSE(surface.GetCalcInvalid());
  double z = 5.0;
  EXPECT_EQ(surface.GetMBAInterpolateValue(0.0, 0.0, z), 0);
}

TEST(MbaMultilevelFit, DomainIsTheSampleExtentWidenedByATenthAndTheRectangle) {
  const std::vector<D_3DOT> samples{{1.0, 2.0, 0.0}, {3.0, 5.0, 1.0}};
  CMutilBSplineObj surface;
  ASSERT_EQ(Fit(surface, samples, 2), 1);
  const D_RECT* domain = surface.GetDomain();
  ASSERT_NE(domain, nullptr);
  EXPECT_DOUBLE_EQ(domain->xmin, 0.9);
  EXPECT_DOUBLE_EQ(domain->ymin, 1.9);
  EXPECT_DOUBLE_EQ(domain->xmax, 3.1);
  EXPECT_DOUBLE_EQ(domain->ymax, 5.1);
  const D_RECT grid{0.0, 0.0, 10.0, 4.0};
  ASSERT_EQ(Fit(surface, samples, 2, 4, 4, &grid), 1);
  EXPECT_DOUBLE_EQ(surface.GetDomain()->xmin, -0.1);
  EXPECT_DOUBLE_EQ(surface.GetDomain()->ymax, 5.1);
  EXPECT_DOUBLE_EQ(surface.GetDomain()->xmax, 10.1);
  EXPECT_EQ(surface.GetLevelCount(), 2);
  EXPECT_EQ(surface.GetLevel(1).CellsX(), 8);
}

TEST(MbaMultilevelFit, ResidualDoesNotGrowAsLevelsAreAdded) {
  const std::vector<D_3DOT> samples = ScatteredSamples(400);
  double previous = std::numeric_limits<double>::infinity();
  for (int32_t levels = 1; levels <= 7; ++levels) {
    CMutilBSplineObj surface;
    ASSERT_EQ(Fit(surface, samples, levels), 1);
    const double rms = RmsMiss(surface, samples);
    EXPECT_LE(rms, previous * (1.0 + 1e-9)) << levels << " levels";
    previous = rms;
  }
  EXPECT_LT(previous, 1e-3);
}

// With the finest cells much smaller than the spacing of the samples the
// surface passes through every sample.
TEST(MbaMultilevelFit, EnoughLevelsPassThroughScatteredSamples) {
  const std::vector<D_3DOT> samples = ScatteredSamples(200, 11);
  CMutilBSplineObj surface;
  ASSERT_EQ(Fit(surface, samples, 9), 1);
  EXPECT_LT(LargestMiss(surface, samples), 1e-6);
}

TEST(MbaMultilevelFit, ConstantDataAreReproducedAtTheSamples) {
  std::vector<D_3DOT> samples = ScatteredSamples(300, 3);
  for (D_3DOT& sample : samples) {
    sample.z = 123.25;
  }
  CMutilBSplineObj surface;
  ASSERT_EQ(Fit(surface, samples, 10), 1);
  EXPECT_LT(LargestMiss(surface, samples), 1e-6);
}

TEST(MbaMultilevelFit, OrderOfTheSamplesDoesNotMatter) {
  const std::vector<D_3DOT> samples = ScatteredSamples(500, 5);
  std::vector<D_3DOT> shuffled = samples;
  std::mt19937_64 rng(99);
  std::shuffle(shuffled.begin(), shuffled.end(), rng);
  CMutilBSplineObj first;
  CMutilBSplineObj second;
  ASSERT_EQ(Fit(first, samples, 6), 1);
  ASSERT_EQ(Fit(second, shuffled, 6), 1);
  for (double x = 0.0; x <= 100.0; x += 12.5) {
    for (double y = 0.0; y <= 100.0; y += 12.5) {
      EXPECT_NEAR(ValueAt(first, x, y), ValueAt(second, x, y), 1e-9) << x << "," << y;
    }
  }
}

TEST(MbaMultilevelFit, DuplicatePositionsWithDifferentValues) {
  const std::vector<D_3DOT> samples{{5.0, 5.0, 1.0}, {5.0, 5.0, 3.0}, {5.0, 5.0, 8.0}, {1.0, 9.0, 2.0}};
  CMutilBSplineObj surface;
  ASSERT_EQ(Fit(surface, samples, 8), 1);
  const double z = ValueAt(surface, 5.0, 5.0);
  EXPECT_GE(z, 1.0);
  EXPECT_LE(z, 8.0);
}

TEST(MbaMultilevelFit, SamplesOnOneVerticalLine) {
  const std::vector<D_3DOT> samples{{7.0, 0.0, 1.0}, {7.0, 5.0, 2.0}, {7.0, 10.0, 4.0}};
  CMutilBSplineObj surface;
  ASSERT_EQ(Fit(surface, samples, 4), 1);
  EXPECT_NEAR(surface.GetDomain()->xmax - surface.GetDomain()->xmin, 0.2, 1e-12);
  EXPECT_TRUE(std::isfinite(ValueAt(surface, 7.0, 5.0)));
}

TEST(MbaMultilevelFit, NoLevelsGiveZeroEverywhereInside) {
  CMutilBSplineObj surface;
  ASSERT_EQ(Fit(surface, ScatteredSamples(10), 0), 1);
  EXPECT_EQ(surface.GetLevelCount(), 0);
  EXPECT_EQ(ValueAt(surface, 50.0, 50.0), 0.0);
}

TEST(MbaMultilevelFit, CornerOfTheDomainAndPointsOutsideIt) {
  CMutilBSplineObj surface;
  ASSERT_EQ(Fit(surface, ScatteredSamples(100), 5), 1);
  const D_RECT domain = *surface.GetDomain();
  EXPECT_NEAR(ValueAt(surface, domain.xmax, domain.ymax), ValueAt(surface, domain.xmax - 1e-9, domain.ymax - 1e-9),
              1e-5);
  EXPECT_TRUE(std::isfinite(ValueAt(surface, domain.xmin, domain.ymin)));
  for (auto [x, y] : {std::pair{domain.xmin - 0.01, 50.0}, {50.0, domain.ymax + 0.01}, {kNaN, 50.0}, {50.0, kInf}}) {
    double z = 0.0;
    EXPECT_EQ(surface.GetMBAInterpolateValue(x, y, z), 0) << x << "," << y;
  }
}

// A refused fit leaves the previous one as it was.
TEST(MbaMultilevelFit, RefusedArgumentsKeepThePreviousFit) {
  const std::vector<D_3DOT> good = ScatteredSamples(50);
  const D_RECT nanRect{0.0, 0.0, kNaN, 1.0};
  const struct {
    const char* name;
    std::vector<D_3DOT> samples;
    int32_t count;
    int32_t levels;
    int32_t m;
    int32_t n;
    const D_RECT* rect;
    bool calcInvalid;
    int32_t initM;
    int32_t initN;
  } cases[] = {
      {"no samples", {}, 0, 4, 8, 8, nullptr, false, 0, 0},
      {"count 0", good, 0, 4, 8, 8, nullptr, false, 0, 0},
      {"negative levels", good, 50, -1, 8, 8, nullptr, false, 0, 0},
      {"m 0", good, 50, 4, 0, 8, nullptr, false, 0, 0},
      {"n negative", good, 50, 4, 8, -3, nullptr, false, 0, 0},
      {"invalid-value option without initN", good, 50, 4, 8, 8, nullptr, true, 5, 0},
      {"invalid-value option without initM", good, 50, 4, 8, 8, nullptr, true, 0, 5},
      {"x not a number", {{kNaN, 1.0, 1.0}, {2.0, 2.0, 2.0}}, 2, 4, 8, 8, nullptr, false, 0, 0},
      {"infinite y", {{1.0, -kInf, 1.0}, {2.0, 2.0, 2.0}}, 2, 4, 8, 8, nullptr, false, 0, 0},
      {"value not a number", {{1.0, 1.0, kNaN}, {2.0, 2.0, 2.0}}, 2, 4, 8, 8, nullptr, false, 0, 0},
      {"rectangle not a number", good, 50, 4, 8, 8, &nanRect, false, 0, 0},
      {"extent overflows", {{-1.5e308, 0.0, 1.0}, {1.5e308, 1.0, 2.0}}, 2, 1, 8, 8, nullptr, false, 0, 0},
      {"levels beyond the node cap", good, 50, 100, 8, 8, nullptr, false, 0, 0},
      {"first level beyond the node cap", good, 50, 1, INT32_MAX, INT32_MAX, nullptr, false, 0, 0},
      {"trial lattice beyond the node cap", good, 50, 1, 8, 8, nullptr, true, 1 << 20, 1 << 20},
  };
  CMutilBSplineObj surface;
  ASSERT_EQ(Fit(surface, good, 3), 1);
  const double before = ValueAt(surface, 40.0, 60.0);
  for (const auto& c : cases) {
    EXPECT_EQ(surface.CalculateAllLayPhiIJ1(c.samples.empty() ? nullptr : c.samples.data(), c.count, c.levels, c.m,
                                            c.n, c.rect, c.calcInvalid, c.initM, c.initN),
              0)
        << c.name;
    EXPECT_EQ(surface.GetLevelCount(), 3) << c.name;
    EXPECT_EQ(surface.GetSampleCount(), 50) << c.name;
    EXPECT_EQ(ValueAt(surface, 40.0, 60.0), before) << c.name;
  }
}

// Values so large that a finer level's coefficients overflow: the fit fails
// and keeps the levels fitted before, which are all that evaluation reads.
TEST(MbaMultilevelFit, LevelThatCannotBeFittedIsDroppedWithTheLevelsAfterIt) {
  // The second level's residual at the first sample, about 1e308 minus the
  // first level's value of almost -1e308 there, no longer fits a double.
  std::vector<D_3DOT> samples(2, D_3DOT{0.3, 0.0, -1e308});
  samples.push_back({0.0, 0.0, 1e308});
  samples.push_back({10.0, 10.0, 0.0});
  CMutilBSplineObj surface;
  EXPECT_EQ(Fit(surface, samples, 6, 1, 1), 0);
  EXPECT_EQ(surface.GetLevelCount(), 1);
  double z = 0.0;
  EXPECT_EQ(surface.GetMBAInterpolateValue(5.0, 5.0, z), 3);
  EXPECT_TRUE(std::isfinite(z));
}

TEST(MbaMultilevelFit, CopiesOwnTheirLevelsDomainAndSamples) {
  auto original = std::make_unique<CMutilBSplineObj>();
  ASSERT_EQ(Fit(*original, ScatteredSamples(100), 4), 1);
  const double before = ValueAt(*original, 30.0, 30.0);
  CMutilBSplineObj copy(*original);
  CMutilBSplineObj assigned;
  assigned = *original;
  ASSERT_EQ(Fit(*original, ScatteredSamples(100, 42), 2), 1);
  EXPECT_NE(ValueAt(*original, 30.0, 30.0), before);
  original.reset();
  for (const CMutilBSplineObj* surface : {&copy, &assigned}) {
    EXPECT_EQ(ValueAt(*surface, 30.0, 30.0), before);
    EXPECT_EQ(surface->GetLevelCount(), 4);
    EXPECT_EQ(surface->GetSampleCount(), 100);
    EXPECT_EQ(surface->GetSamples()[0].x, ScatteredSamples(1)[0].x);
  }
  const CMutilBSplineObj& alias = assigned;
  assigned = alias;
  EXPECT_EQ(ValueAt(assigned, 30.0, 30.0), before);
}

TEST(MbaMultilevelFit, ParameterDialogNeedsAWidgetApplication) {
  EXPECT_EQ(CallSetMultiBSplinePara(), (ParaChoice{.result = 0}));
}

}  // namespace
