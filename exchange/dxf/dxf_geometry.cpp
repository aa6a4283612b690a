#include "exchange/dxf/dxf_geometry.h"

#include <cmath>

#include "exchange/dxf/dxf_arcs.h"

namespace zv::dxf {
namespace {

constexpr int kSamplesPerSpan = 6;

D_DOT SpanPoint(const D_DOT& p0, const D_DOT& p1, const D_DOT& p2, const D_DOT& p3, double t) {
  const double b0 = (1 - t) * (1 - t) * (1 - t);
  const double b1 = 3 * t * t * t - 6 * t * t + 4;
  const double b2 = -3 * t * t * t + 3 * t * t + 3 * t + 1;
  const double b3 = t * t * t;
  return {(b0 * p0.x + b1 * p1.x + b2 * p2.x + b3 * p3.x) / 6, (b0 * p0.y + b1 * p1.y + b2 * p2.y + b3 * p3.y) / 6};
}

}  // namespace

std::vector<D_DOT> SampleUniformBSpline(std::span<const D_DOT> control) {
  const std::size_t n = control.size();
  if (n < 2) return {};
  std::vector<D_DOT> out = {control[0], control[1]};
  for (std::size_t s = 2; s + 3 <= n; ++s) {
    for (int i = 0; i < kSamplesPerSpan; ++i)
      out.push_back(SpanPoint(control[s - 1], control[s], control[s + 1], control[s + 2], i * 0.2));
  }
  out.push_back(control[n - 2]);
  out.push_back(control[n - 1]);
  return out;
}

void AlignTextPosition(D_DOT& position, double height, double width, int attachment) {
  if (attachment < 1 || attachment > 9) {
    position.x += height;
    position.y += height;
    return;
  }
  const int column = (attachment - 1) % 3;  // 0 left, 1 centre, 2 right
  const int row = (attachment - 1) / 3;     // 0 top, 1 middle, 2 bottom
  position.x -= column * width / 2;
  position.y -= (2 - row) * height / 2;
}

void ScaleRotatePoint(double cx, double cy, D_DOT& p, double angleDegrees, double sx, double sy) {
  const double dx = (p.x - cx) * sx;
  const double dy = (p.y - cy) * sy;
  const double a = angleDegrees * kDegree;
  p = {cx + dx * std::cos(a) - dy * std::sin(a), cy + dx * std::sin(a) + dy * std::cos(a)};
}

}  // namespace zv::dxf
