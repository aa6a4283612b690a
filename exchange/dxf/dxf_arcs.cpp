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

namespace {

// n + 2 for n whole steps in the span, at most kMaxArcPoints + 2.
int SampleCount(double start, double end, double step) {
  const double span = (end - start) / step;
  return (std::isfinite(span) && span > 0 ? static_cast<int>(std::min<double>(span, kMaxArcPoints)) : 0) + 2;
}

double SampleAt(int i, int count, double start, double end, double step) {
  return i < count - 1 ? start + i * step : end;
}

}  // namespace

int EllipseArcByParam(double cx, double cy, double mx, double my, double ratio, double start, double end,
                      std::vector<D_DOT>& out, double step) {
  if (end - start < 0) end += kTwoPi;
  const int count = SampleCount(start, end, step);
  const double rotation = std::atan2(my, mx);
  const double a = std::hypot(mx, my);
  const double b = a * ratio;
  for (int i = 0; i < count; ++i) {
    // The parameter's point on the axis-aligned ellipse, then turned.
    const double t = SampleAt(i, count, start, end, step);
    const double x = a * std::cos(t);
    const double y = b * std::sin(t);
    out.push_back({cx + x * std::cos(rotation) - y * std::sin(rotation),
                   cy + x * std::sin(rotation) + y * std::cos(rotation)});
  }
  return count;
}

int EllipseArcByAngle(double cx, double cy, double mx, double my, double ratio, double start, double end,
                      std::vector<D_DOT>& out, double step) {
  if (end - start < 0) end += 360.0;
  const int count = SampleCount(start, end, step);
  const double rotation = std::atan2(my, mx);
  const double a = std::hypot(mx, my);
  const double b = a * ratio;
  for (int i = 0; i < count; ++i) {
    // The ellipse's radius in the direction θ from its centre.
    const double theta = SampleAt(i, count, start, end, step) * kDegree;
    const double ca = b * std::cos(theta);
    const double sa = a * std::sin(theta);
    const double denominator = std::hypot(ca, sa);
    const double rho = denominator > 0 ? a * b / denominator : 0;
    out.push_back({cx + rho * std::cos(theta + rotation), cy + rho * std::sin(theta + rotation)});
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
