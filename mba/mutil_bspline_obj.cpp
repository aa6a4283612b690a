#include "mba/zembrol.h"

#include <algorithm>
#include <cmath>
#include <limits>
#include <new>

#include "mba/lattice_budget.h"

namespace {

// How far the domain reaches beyond the samples (and the rectangle) on every
// side, in the samples' own units.
constexpr double kDomainMargin = 0.1;
constexpr double kFarAway = 1.79769313486232e307;

bool IsFinite(const D_3DOT& sample) {
  return std::isfinite(sample.x) && std::isfinite(sample.y) && std::isfinite(sample.z);
}

bool IsFinite(const D_RECT& rect) {
  return std::isfinite(rect.xmin) && std::isfinite(rect.ymin) && std::isfinite(rect.xmax) && std::isfinite(rect.ymax);
}

// The samples' extent, widened to include rect when given and then by the
// margin; nothing when its width or height overflows.
std::optional<D_RECT> FitDomain(const D_3DOT* samples, int32_t count, const D_RECT* rect) {
  D_RECT domain{kFarAway, kFarAway, -kFarAway, -kFarAway};
  for (int32_t index = 0; index < count; ++index) {
    domain.xmin = std::min(domain.xmin, samples[index].x);
    domain.ymin = std::min(domain.ymin, samples[index].y);
    domain.xmax = std::max(domain.xmax, samples[index].x);
    domain.ymax = std::max(domain.ymax, samples[index].y);
  }
  if (rect != nullptr) {
    domain.xmin = std::min({domain.xmin, rect->xmin, rect->xmax});
    domain.ymin = std::min({domain.ymin, rect->ymin, rect->ymax});
    domain.xmax = std::max({domain.xmax, rect->xmin, rect->xmax});
    domain.ymax = std::max({domain.ymax, rect->ymin, rect->ymax});
  }
  domain.xmin -= kDomainMargin;
  domain.ymin -= kDomainMargin;
  domain.xmax += kDomainMargin;
  domain.ymax += kDomainMargin;
  if (!std::isfinite(domain.xmax - domain.xmin) || !std::isfinite(domain.ymax - domain.ymin)) {
    return std::nullopt;
  }
  return domain;
}

}  // namespace

CMutilBSplineObj::CMutilBSplineObj() : calcInvalid(false) {}

CMutilBSplineObj::CMutilBSplineObj(const CMutilBSplineObj& other) = default;

CMutilBSplineObj::~CMutilBSplineObj() = default;

CMutilBSplineObj& CMutilBSplineObj::operator=(const CMutilBSplineObj& other) = default;

int32_t CMutilBSplineObj::CalculateAllLayPhiIJ1(const D_3DOT* input, int32_t count, int32_t levelsWanted,
                                                int32_t firstM, int32_t firstN, const D_RECT* rect,
                                                bool fillEmpty, int32_t initM, int32_t initN) {
  if (input == nullptr || count < 1 || levelsWanted < 0 || firstM < 1 || firstN < 1) {
    return 0;
  }
  if (fillEmpty && (initM < 1 || initN < 1)) {
    return 0;
  }
  if (!std::all_of(input, input + count, [](const D_3DOT& sample) { return IsFinite(sample); }) ||
      (rect != nullptr && !IsFinite(*rect))) {
    return 0;
  }
  if (!zembrol::MultilevelNodes(firstM, firstN, levelsWanted) ||
      (fillEmpty && !zembrol::LatticeNodes(initM, initN))) {
    return 0;
  }
  const std::optional<D_RECT> fitDomain = FitDomain(input, count, rect);
  if (!fitDomain) {
    return 0;
  }
  std::vector<D_3DOT> sampleSet;
  try {
    if (!NewSampleDots(input, count, fillEmpty, initM, initN, *fitDomain, sampleSet)) {
      return 0;
    }
  } catch (const std::bad_alloc&) {
    return 0;
  }
  calcInvalid = fillEmpty;
  domain = *fitDomain;
  samples = std::move(sampleSet);
  return FitLevels(levelsWanted, firstM, firstN);
}

int32_t CMutilBSplineObj::FitLevels(int32_t count, int32_t firstM, int32_t firstN) {
  levels.clear();
  try {
    levels.reserve(static_cast<size_t>(count));
    std::vector<D_3DOT> residual = samples;
    int64_t cellsX = firstM;
    int64_t cellsY = firstN;
    for (int32_t level = 0; level < count; ++level, cellsX *= 2, cellsY *= 2) {
      CLayPhiLattice lattice;
      if (!lattice.CalculatePhiIJ(residual.data(), GetSampleCount(), static_cast<int32_t>(cellsX),
                                  static_cast<int32_t>(cellsY), &*domain)) {
        return 0;
      }
      // The next level fits what this one leaves at the samples.
      if (level + 1 < count) {
        for (D_3DOT& sample : residual) {
          double value = 0.0;
          if (lattice.Evaluate(&*domain, sample.x, sample.y, value) != 3) {
            return 0;
          }
          sample.z -= value;
        }
      }
      levels.push_back(std::move(lattice));
    }
  } catch (const std::bad_alloc&) {
    return 0;
  }
  return 1;
}

int32_t CMutilBSplineObj::GetMBAInterpolateValue(double x, double y, double& z) const {
  if (!domain || !std::isfinite(x) || !std::isfinite(y)) {
    return 0;
  }
  z = 0.0;
  for (const CLayPhiLattice& level : levels) {
    double value = 0.0;
    if (level.Evaluate(&*domain, x, y, value) != 3) {
      return 0;
    }
    z += value;
  }
  return 3;
}

int32_t CMutilBSplineObj::NewSampleDots(const D_3DOT* input, int32_t count, bool fillEmpty, int32_t initM,
                                        int32_t initN, const D_RECT& fitDomain,
                                        std::vector<D_3DOT>& sampleSet) const {
  sampleSet.assign(input, input + count);
  if (!fillEmpty) {
    return 1;
  }
  CLayPhiLattice trial;
  if (!trial.CalculatePhiIJ(input, count, initM, initN, &fitDomain)) {
    return 0;
  }
  const std::vector<D_3DOT> made = trial.MakeEmptyNodeSamples(trial.ToLatticeCoords(input, count));
  if (made.size() > static_cast<size_t>(std::numeric_limits<int32_t>::max() - count)) {
    return 0;
  }
  sampleSet.insert(sampleSet.end(), made.begin(), made.end());
  return 1;
}
