#include "platform/tin/tin_locate.h"

#include <algorithm>
#include <cmath>
#include <limits>

namespace zv::tin {

bool ValueInTriangle(const TinPoint& a, const TinPoint& b, const TinPoint& c, double x, double y, double* value) {
  const double det = (b.x - a.x) * (c.y - a.y) - (b.y - a.y) * (c.x - a.x);
  if (det == 0) return false;
  const double l1 = ((b.x - x) * (c.y - y) - (b.y - y) * (c.x - x)) / det;
  const double l2 = ((c.x - x) * (a.y - y) - (c.y - y) * (a.x - x)) / det;
  const double l3 = 1.0 - l1 - l2;
  constexpr double kSlack = -1e-12;
  if (l1 < kSlack || l2 < kSlack || l3 < kSlack) return false;
  *value = l1 * a.z + l2 * b.z + l3 * c.z;
  return true;
}

TinLocator::TinLocator(const Tin& tin) : tin_(tin) {
  const D_RECT& e = tin.extent();
  const double width = std::max(e.xmax - e.xmin, 0.0), height = std::max(e.ymax - e.ymin, 0.0);
  const double cells = std::max<double>(1.0, static_cast<double>(tin.triangles().size()) / 2.0);
  cell_ = std::sqrt(std::max(width * height, 1e-300) / cells);
  if (!(cell_ > 0) || !std::isfinite(cell_)) cell_ = std::max({width, height, 1.0});
  x0_ = e.xmin;
  y0_ = e.ymin;
  columns_ = std::clamp<int64_t>(static_cast<int64_t>(width / cell_) + 1, 1, 1 << 14);
  rows_ = std::clamp<int64_t>(static_cast<int64_t>(height / cell_) + 1, 1, 1 << 14);
  cell_ = std::max(width / static_cast<double>(columns_), height / static_cast<double>(rows_));
  if (!(cell_ > 0)) cell_ = 1;

  // Two passes over the triangles' bounding cells: count, then fill.
  std::vector<int64_t> counts(columns_ * rows_ + 1, 0);
  const auto forCells = [&](const Triangle& t, auto&& visit) {
    const TinPoint& a = tin.points()[t[0]];
    const TinPoint& b = tin.points()[t[1]];
    const TinPoint& c = tin.points()[t[2]];
    const int64_t c0 = CellOf(std::min({a.x, b.x, c.x}), std::min({a.y, b.y, c.y}));
    const int64_t c1 = CellOf(std::max({a.x, b.x, c.x}), std::max({a.y, b.y, c.y}));
    for (int64_t r = c0 / columns_; r <= c1 / columns_; ++r)
      for (int64_t col = c0 % columns_; col <= c1 % columns_; ++col) visit(r * columns_ + col);
  };
  for (const Triangle& t : tin.triangles()) forCells(t, [&](int64_t cell) { ++counts[cell + 1]; });
  for (size_t i = 1; i < counts.size(); ++i) counts[i] += counts[i - 1];
  starts_ = counts;
  members_.resize(static_cast<size_t>(counts.back()));
  std::vector<int64_t> next(counts.begin(), counts.end() - 1);
  for (size_t i = 0; i < tin.triangles().size(); ++i)
    forCells(tin.triangles()[i], [&](int64_t cell) { members_[next[cell]++] = static_cast<int32_t>(i); });
}

int64_t TinLocator::CellOf(double x, double y) const {
  const int64_t col = std::clamp<int64_t>(static_cast<int64_t>(std::floor((x - x0_) / cell_)), 0, columns_ - 1);
  const int64_t row = std::clamp<int64_t>(static_cast<int64_t>(std::floor((y - y0_) / cell_)), 0, rows_ - 1);
  return row * columns_ + col;
}

double TinLocator::ValueAt(double x, double y) const {
  const D_RECT& e = tin_.extent();
  const double nan = std::numeric_limits<double>::quiet_NaN();
  if (!(x >= e.xmin && x <= e.xmax && y >= e.ymin && y <= e.ymax)) return nan;
  const int64_t cell = CellOf(x, y);
  for (int64_t i = starts_[cell]; i < starts_[cell + 1]; ++i) {
    const Triangle& t = tin_.triangles()[members_[i]];
    double value = 0;
    if (ValueInTriangle(tin_.points()[t[0]], tin_.points()[t[1]], tin_.points()[t[2]], x, y, &value)) return value;
  }
  return nan;
}

}  // namespace zv::tin
