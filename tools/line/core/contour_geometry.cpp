#include "tools/line/core/contour_geometry.h"

#include <algorithm>
#include <cmath>
#include <utility>

#include "common/segment_tests.h"
#include "common/tool_geometry.h"
#include "platform/data/geometry.h"

namespace zv::tools {
namespace {

bool Intersect(const D_DOT& a1, const D_DOT& a2, const D_DOT& b1, const D_DOT& b2) {
  return SegmentsIntersect(a1.x, a1.y, a2.x, a2.y, b1.x, b1.y, b2.x, b2.y);
}

// The walked (longer) line and the other one, and whether the walked one is
// line 1, so pairs can be stored as (line-1 point, line-2 point).
struct Walk {
  const Polyline& longer;
  const Polyline& shorter;
  bool longerIsFirst;
  void Add(VertexPairs& pairs, const D_DOT& onLonger, const D_DOT& onShorter) const {
    pairs.u.push_back(longerIsFirst ? onLonger : onShorter);
    pairs.w.push_back(longerIsFirst ? onShorter : onLonger);
  }
};

Walk WalkOf(const Polyline& line1, const Polyline& line2) {
  const bool first = line1.size() > line2.size();
  return {first ? line1 : line2, first ? line2 : line1, first};
}

}  // namespace

D_DOT PointAtDistance(const Polyline& line, double distance) { return PositionAlong(line, distance).point; }

Polyline ResampleLine(const Polyline& line, int32_t m) {
  if (line.empty()) return {};
  m = std::max<int32_t>(m, 2);
  const double length = BasPolylineLength(line);
  Polyline out;
  out.reserve(static_cast<std::size_t>(m));
  out.push_back(line.front());
  for (int32_t i = 1; i + 1 < m; ++i) out.push_back(PointAtDistance(line, i * length / m));
  out.push_back(line.back());
  return out;
}

std::size_t NearestVertexIndex(const Polyline& line, const D_DOT& p) {
  std::size_t best = 0;
  double bestDistance = INFINITY;
  for (std::size_t i = 0; i < line.size(); ++i) {
    const double d = BasPointDistance(line[i], p);
    if (d < bestDistance) {
      bestDistance = d;
      best = i;
    }
  }
  return best;
}

bool NeedsReversal(const Polyline& line1, const Polyline& line2) {
  if (line1.size() < 2 || line2.size() < 2) return false;
  const std::size_t c1 = line1.size();
  std::size_t i = c1 / 2;
  if (i + 1 >= c1) i = c1 - 2;
  const D_DOT& p = line1[i];
  const D_DOT& q = line1[i + 1];
  const std::size_t k = NearestVertexIndex(line2, p);
  const bool crossed = k + 1 < line2.size() ? Intersect(p, line2[k], q, line2[k + 1])
                                            : Intersect(p, line2[k - 1], q, line2[k]);
  if (crossed) return true;
  const double d1 = BasPointDistance(line1.front(), line2.front());
  const double d2 = BasPointDistance(line1.front(), line2.back());
  if (d1 > d2) return true;
  return std::fabs(d1 - d2) < 0.0001 && BasLineSense(line1) != BasLineSense(line2);
}

VertexPairs PairNearest(const Polyline& line1, const Polyline& line2) {
  const Walk walk = WalkOf(line1, line2);
  VertexPairs pairs;
  for (const D_DOT& p : walk.longer) walk.Add(pairs, p, walk.shorter[NearestVertexIndex(walk.shorter, p)]);
  return pairs;
}

VertexPairs PairVertices(const Polyline& line1, const Polyline& line2) {
  const Walk walk = WalkOf(line1, line2);
  VertexPairs pairs;
  std::size_t k0 = 0;
  for (const D_DOT& p : walk.longer) {
    const std::size_t k = NearestVertexIndex(walk.shorter, p);
    if (k == k0) {
      walk.Add(pairs, p, walk.shorter[k]);
      continue;
    }
    if (k0 + 1 < k) {
      for (std::size_t q = k0 + 1; q < k; ++q)
        walk.Add(pairs, walk.longer[NearestVertexIndex(walk.longer, walk.shorter[q])], walk.shorter[q]);
      k0 = k - 1;
    }
    walk.Add(pairs, p, walk.shorter[k]);
    ++k0;
  }
  return pairs;
}

VertexPairs ContourPairs(const Polyline& line1, const Polyline& line2, int algorithm, int32_t vertexCount) {
  if (line1.size() < 2 || line2.size() < 2) return {};
  if (algorithm == 2) return PairNearest(line1, line2);
  if (algorithm == 3) return PairVertices(line1, line2);
  if (line1.size() == line2.size()) return {line1, line2};
  const int32_t m = vertexCount != 0 ? vertexCount
                                     : static_cast<int32_t>((line1.size() + line2.size() + 3) / 2);
  return {ResampleLine(line1, m), ResampleLine(line2, m)};
}

std::vector<Polyline> PlaceContours(const VertexPairs& pairs, int32_t k) {
  std::vector<Polyline> contours;
  const std::size_t n = std::min(pairs.u.size(), pairs.w.size());
  if (n == 0) return contours;
  for (int32_t j = 1; j <= k; ++j) {
    const double f = static_cast<double>(j) / (k + 1);
    Polyline line(n);
    for (std::size_t i = 0; i < n; ++i)
      line[i] = {pairs.u[i].x + (pairs.w[i].x - pairs.u[i].x) * f, pairs.u[i].y + (pairs.w[i].y - pairs.u[i].y) * f};
    contours.push_back(std::move(line));
  }
  return contours;
}

Polyline StretchBetween(const Polyline& line, const D_DOT& a, const D_DOT& b) {
  if (line.empty()) return {};
  std::size_t i = NearestVertexIndex(line, a);
  std::size_t j = NearestVertexIndex(line, b);
  if (i > j) std::swap(i, j);
  return Polyline(line.begin() + static_cast<std::ptrdiff_t>(i), line.begin() + static_cast<std::ptrdiff_t>(j) + 1);
}

std::vector<Polyline> FreeContours(D_DOT p1, D_DOT p2, D_DOT p3, D_DOT p4, int32_t k) {
  if (Intersect(p1, p3, p2, p4)) std::swap(p3, p4);
  return PlaceContours({{p1, p2}, {p3, p4}}, k);
}

}  // namespace zv::tools
