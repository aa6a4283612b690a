#include "exchange/dxf/dxf_checked_sink.h"

#include <algorithm>
#include <cmath>

namespace zv::dxf {
namespace {

bool Finite(const D_DOT& p) { return std::isfinite(p.x) && std::isfinite(p.y); }

}  // namespace

void CheckedSink::AppendLine(std::span<const D_DOT> vertices, const DxfLineStyle& style,
                             const DxfEntityAttributes& attributes) {
  if (vertices.size() < 2 || !std::all_of(vertices.begin(), vertices.end(), Finite)) return;
  ++count_;
  inner_.AppendLine(vertices, style, attributes);
}

void CheckedSink::AppendPoint(const DxfPoint& point, const DxfEntityAttributes& attributes) {
  for (const double v : {point.position.x, point.position.y, point.angle, point.height, point.width, point.lineSpacing,
                         point.frameWidth, point.radius})
    if (!std::isfinite(v)) return;
  ++count_;
  inner_.AppendPoint(point, attributes);
}

void CheckedSink::AppendRegion(std::span<const DxfRing> rings, const DxfRegionStyle& style,
                               const DxfEntityAttributes& attributes) {
  if (rings.empty()) return;
  for (const DxfRing& ring : rings)
    for (const DxfRegionArc& arc : ring)
      if (arc.vertices.empty() || !std::all_of(arc.vertices.begin(), arc.vertices.end(), Finite)) return;
  ++count_;
  inner_.AppendRegion(rings, style, attributes);
}

}  // namespace zv::dxf
