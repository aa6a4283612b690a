// Reproducible sample sets for the fit tests.
#pragma once

#include <cmath>
#include <cstdint>
#include <random>
#include <vector>

#include "zavediz/records.h"

namespace zembrol::test {

// Uniform in [0, 1), the same on every platform.
inline double Uniform(std::mt19937_64& rng) { return static_cast<double>(rng() >> 11) * 0x1.0p-53; }

// A smooth hill-and-valley surface over [0, 100] x [0, 100].
inline double SmoothSurface(double x, double y) {
  return 50.0 + 20.0 * std::sin(x / 15.0) * std::cos(y / 20.0) + 0.3 * x - 0.1 * y;
}

// count samples of SmoothSurface at scattered places in [0, 100] x [0, 100].
inline std::vector<D_3DOT> ScatteredSamples(int count, uint64_t seed = 7) {
  std::mt19937_64 rng(seed);
  std::vector<D_3DOT> samples;
  for (int index = 0; index < count; ++index) {
    const double x = 100.0 * Uniform(rng);
    const double y = 100.0 * Uniform(rng);
    samples.push_back({x, y, SmoothSurface(x, y)});
  }
  return samples;
}

}  // namespace zembrol::test
