#include "panels/core/hatch_geometry.h"

#include <cmath>
#include <numbers>

#include "common/line_intersection.h"
#include "common/segment_tests.h"
#include "platform/data/geometry.h"

namespace zv::panels {

D_DOT RotateHatchVector(double x, double y, double angle, bool clockwise) {
  constexpr double kTurn = 2.0 * std::numbers::pi;
  if (std::isfinite(angle)) {
    angle = std::fmod(angle, kTurn);  // keeps the sign, so the result lies in (-2π, 2π)
  }
  const double c = std::cos(angle);
  const double s = std::sin(angle);
  if (clockwise) return {c * x + s * y, -s * x + c * y};
  return {c * x - s * y, s * x + c * y};
}

void TranslateRotatePoints(std::vector<D_DOT>& points, double dx, double dy, double angle) {
  for (D_DOT& p : points) p = RotateHatchVector(p.x - dx, p.y - dy, angle, true);
}

D_DOT SegmentCrossingPoint(const D_DOT& p1, const D_DOT& p2, const D_DOT& p3, const D_DOT& p4) {
  return LineIntersection(p1, p2, p3, p4);
}

D_RECT PointsBoundingBox(const D_DOT* points, int32_t count) {
  D_RECT r{0, 0, 0, 0};
  BasVerticesRect(points, count, &r);
  return r;
}

OutlineSide ClassifyPoint(const std::vector<D_DOT>& outline, const D_DOT& p) {
  switch (BasPointInPolygon(outline, p)) {
    case 1: return OutlineSide::kInside;
    case 2: return OutlineSide::kOnOutline;
    default: return OutlineSide::kOutside;
  }
}

std::vector<EdgeCrossing> OutlineCrossings(const std::vector<D_DOT>& outline, const D_DOT& a, const D_DOT& b) {
  std::vector<EdgeCrossing> crossings;
  for (std::size_t i = 1; i < outline.size(); ++i) {
    const D_DOT& p = outline[i - 1];
    const D_DOT& q = outline[i];
    if (IntersectSegments(a.x, a.y, b.x, b.y, p.x, p.y, q.x, q.y) == kNoCrossing) continue;
    crossings.push_back({static_cast<int32_t>(i), SegmentCrossingPoint(a, b, p, q)});
  }
  return crossings;
}

D_DOT FirstOutlineCrossing(const std::vector<D_DOT>& outline, const D_DOT& a, const D_DOT& b) {
  const auto crossings = OutlineCrossings(outline, a, b);
  return crossings.empty() ? a : crossings.front().point;
}

bool ClipSegmentToOutline(const std::vector<D_DOT>& outline, D_DOT& a, D_DOT& b) {
  const auto crossings = OutlineCrossings(outline, a, b);
  if (crossings.size() < 2) return false;
  a = crossings[0].point;
  b = crossings[1].point;
  return true;
}

}  // namespace zv::panels
