#include "common/line_intersection.h"

#include <cmath>

namespace {

// |cross| below this share of |P1P2|·|P3P4| means the directions differ by
// less than about 1e-12 rad: no crossing that doubles could place.
constexpr double kParallelShare = 1e-12;

D_DOT Cross(double x1, double y1, double x2, double y2, double x3, double y3, double x4, double y4) {
  const double dx12 = x2 - x1, dy12 = y2 - y1;
  const double dx34 = x4 - x3, dy34 = y4 - y3;
  const double den = dx12 * dy34 - dy12 * dx34;
  const double lengths = std::hypot(dx12, dy12) * std::hypot(dx34, dy34);
  if (std::fabs(den) <= kParallelShare * lengths) return D_DOT{x3, y1};
  // Cramer's rule on the two line equations, solved for the parameter along P1P2.
  const double t = ((x3 - x1) * dy34 - (y3 - y1) * dx34) / den;
  return D_DOT{x1 + t * dx12, y1 + t * dy12};
}

}  // namespace

D_DOT LineIntersection(D_DOT* out, double x1, double y1, double x2, double y2, double x3, double y3, double x4,
                       double y4) {
  const D_DOT p = Cross(x1, y1, x2, y2, x3, y3, x4, y4);
  if (out) *out = p;
  return p;
}

D_DOT LineIntersection(const D_DOT& p1, const D_DOT& p2, const D_DOT& p3, const D_DOT& p4) {
  return Cross(p1.x, p1.y, p2.x, p2.y, p3.x, p3.y, p4.x, p4.y);
}

D_DOT LineIntersectionPoint(const D_DOT& p1, const D_DOT& p2, const D_DOT& p3, const D_DOT& p4) {
  return LineIntersection(p1, p2, p3, p4);
}

D_DOT SegmentIntersectionPoint(const D_DOT& a1, const D_DOT& a2, const D_DOT& b1, const D_DOT& b2) {
  return LineIntersection(a1, a2, b1, b2);
}
