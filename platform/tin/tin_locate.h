#pragma once
// The surface's value anywhere: linear on the triangle that holds the point.
// The locator keeps a bucket grid of the triangles over the surface's
// extent, so one look-up costs a few triangle tests. It refers to the TIN it
// was made from, which must outlive it.
#include <cstdint>
#include <vector>

#include "platform/tin/tin.h"

namespace zv::tin {

class TinLocator {
 public:
  explicit TinLocator(const Tin& tin);

  // The value at (x, y), or NaN outside the triangles. A point on an edge
  // shared by two triangles gets the same value from either.
  double ValueAt(double x, double y) const;

 private:
  int64_t CellOf(double x, double y) const;

  const Tin& tin_;
  double x0_ = 0, y0_ = 0, cell_ = 1;
  int64_t columns_ = 1, rows_ = 1;
  std::vector<int64_t> starts_;      // per cell: first entry in members_
  std::vector<int32_t> members_;     // triangle indices, cell by cell
};

// Linear interpolation of the plane through a triangle's corners at (x, y);
// false when the point lies outside it (with a tolerance of rounding).
bool ValueInTriangle(const TinPoint& a, const TinPoint& b, const TinPoint& c, double x, double y, double* value);

}  // namespace zv::tin
