#pragma once
// Surfaces the TIN tests share: regular grids of a function z(x, y).
#include <functional>
#include <vector>

#include "platform/tin/tin.h"

namespace zv::tin::test {

// The points x0 + i·step, y0 + j·step for i, j in 0 .. n−1, row by row.
inline std::vector<TinPoint> Grid(double x0, double y0, double step, int n,
                                  const std::function<double(double, double)>& z) {
  std::vector<TinPoint> points;
  for (int j = 0; j < n; ++j)
    for (int i = 0; i < n; ++i) {
      const double x = x0 + i * step, y = y0 + j * step;
      points.push_back({x, y, z(x, y)});
    }
  return points;
}

inline double TwiceArea(const TinPoint& a, const TinPoint& b, const TinPoint& c) {
  return (b.x - a.x) * (c.y - a.y) - (b.y - a.y) * (c.x - a.x);
}

}  // namespace zv::tin::test
