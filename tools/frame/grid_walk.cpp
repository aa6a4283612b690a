#include "tools/frame/grid_walk.h"

#include <cmath>

namespace zv::frame {

std::optional<std::vector<double>> GridValues(double start, double end, double step, double tolerance) {
  if (!(step > 0.0) || !std::isfinite(start) || !std::isfinite(end) || !std::isfinite(step)) return std::nullopt;
  std::vector<double> values;
  if (end <= start) return values;
  if ((end - start) / step > kMaxGridLines) return std::nullopt;
  // Beyond 2^53 steps from zero, neighbouring indices are the same number.
  constexpr double kExactIndex = 9007199254740992.0;
  const double first = std::floor(start / step);
  if (!(std::fabs(first) < kExactIndex) || !(std::fabs(end / step) < kExactIndex)) return std::nullopt;
  for (double index = first;; ++index) {
    const double value = index * step;
    if (value >= end) break;
    if (value > start && end - value >= tolerance) values.push_back(value);
  }
  return values;
}

}  // namespace zv::frame
