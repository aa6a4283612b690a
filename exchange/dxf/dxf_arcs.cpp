#include "exchange/dxf/dxf_arcs.h"

#include <algorithm>
#include <cmath>

namespace zv::dxf {
namespace {

// Bulges this small draw as straight segments (below a millionth of a radian).
constexpr double kFlatBulge = 1e-9;
// A segment shorter than this has no arc.
constexpr double kTinyChord = 1e-12;
// Upper bound on the points of one arc, whatever the bulge claims.
constexpr int kMaxArcPoints = 1 << 16;

// The points of the arc from a to b with the given bulge, without a and
// with b last.
void AppendBulgedSegment(const D_DOT& a, const D_DOT& b, double bulge, std::vector<D_DOT>& out) {
  const double dx = b.x - a.x;
  const double dy = b.y - a.y;
  const double chord = std::hypot(dx, dy);
  if (std::fabs(bulge) < kFlatBulge || !(chord > kTinyChord) || !std::isfinite(bulge)) {
    out.push_back(b);
    return;
  }
  const double sweep = 4.0 * std::atan(bulge);  // signed, counter-clockwise positive
  const double radius = chord / (2.0 * std::sin(std::fabs(sweep) / 2.0));
  // Centre: from the chord's midpoint along its left normal (for a positive
  // bulge below a semicircle the centre lies to the left of a→b).
  const double toCentre = radius * std::cos(std::fabs(sweep) / 2.0) * (bulge > 0 ? 1.0 : -1.0);
  const double cx = (a.x + b.x) / 2.0 - dy / chord * toCentre;
  const double cy = (a.y + b.y) / 2.0 + dx / chord * toCentre;
  if (!std::isfinite(cx) || !std::isfinite(cy) || !std::isfinite(radius)) {
    out.push_back(b);  // coordinates too large to bend
    return;
  }
  const double start = std::atan2(a.y - cy, a.x - cx);
  const double direction = sweep > 0 ? 1.0 : -1.0;
  const int steps = static_cast<int>(std::min<double>(std::fabs(sweep) / kArcStep, kMaxArcPoints));
  for (int i = 1; i <= steps; ++i) {
    if (i * kArcStep >= std::fabs(sweep) - 1e-9) break;  // the end point comes next
    const double angle = start + direction * i * kArcStep;
    out.push_back({cx + radius * std::cos(angle), cy + radius * std::sin(angle)});
  }
  out.push_back(b);
}

}  // namespace

int ArcToPoints(double cx, double cy, double r, double start, double end, std::vector<D_DOT>& out, double step) {
  if (end - start < 0) end += kTwoPi;
  const double span = (end - start) / step;
  const int n = std::isfinite(span) ? static_cast<int>(std::min<double>(span, kMaxArcPoints)) : 0;
  const int count = n + 2;
  for (int i = 0; i < count; ++i) {
    const double a = i < count - 1 ? start + i * step : end;
    out.push_back({cx + r * std::cos(a), cy + r * std::sin(a)});
  }
  return count;
}

std::vector<D_DOT> ExpandBulges(std::span<const BulgeVertex> vertices, bool closed) {
  std::vector<D_DOT> out;
  if (vertices.empty()) return out;
  out.reserve(vertices.size() + (closed ? 1 : 0));
  out.push_back({vertices[0].x, vertices[0].y});
  const std::size_t segments = closed ? vertices.size() : vertices.size() - 1;
  for (std::size_t i = 0; i < segments; ++i) {
    const BulgeVertex& from = vertices[i];
    const BulgeVertex& to = vertices[(i + 1) % vertices.size()];
    AppendBulgedSegment({from.x, from.y}, {to.x, to.y}, from.bulge, out);
  }
  return out;
}

}  // namespace zv::dxf
