#include "exchange/dxf/dxf_transform.h"

#include <cmath>

#include "exchange/dxf/dxf_arcs.h"

namespace zv::dxf {

DxfAffine DxfAffine::After(const DxfAffine& inner) const {
  return {a * inner.a + b * inner.c, a * inner.b + b * inner.d, c * inner.a + d * inner.c, c * inner.b + d * inner.d,
          a * inner.tx + b * inner.ty + tx, c * inner.tx + d * inner.ty + ty};
}

bool DxfAffine::IsFinite() const {
  return std::isfinite(a) && std::isfinite(b) && std::isfinite(c) && std::isfinite(d) && std::isfinite(tx) &&
         std::isfinite(ty);
}

DxfAffine DxfAffine::MirrorX() { return {-1, 0, 0, 1, 0, 0}; }

DxfAffine DxfAffine::Placement(const D_DOT& base, double scaleX, double scaleY, double angleDegrees,
                               const D_DOT& insertion) {
  const double cs = std::cos(angleDegrees * kDegree);
  const double sn = std::sin(angleDegrees * kDegree);
  DxfAffine map{cs * scaleX, -sn * scaleY, sn * scaleX, cs * scaleY, 0, 0};
  const D_DOT movedBase = map.ApplyLinear(base);
  map.tx = insertion.x - movedBase.x;
  map.ty = insertion.y - movedBase.y;
  return map;
}

void DxfTransformingSink::AppendLine(std::span<const D_DOT> vertices, const DxfLineStyle& style,
                                     const DxfEntityAttributes& attributes) {
  std::vector<D_DOT> mapped;
  mapped.reserve(vertices.size());
  for (const D_DOT& p : vertices) mapped.push_back(map_.Apply(p));
  inner_.AppendLine(mapped, style, attributes);
}

void DxfTransformingSink::AppendPoint(const DxfPoint& point, const DxfEntityAttributes& attributes) {
  DxfPoint mapped = point;
  mapped.position = map_.Apply(point.position);
  if (point.kind != DxfPointKind::Circle) {
    // A mirroring map is taken as a mirror in the text's own frame (its
    // angle a becoming 180° − a) followed by a map that does not mirror.
    const D_DOT xAxis = map_.ApplyLinear({1, 0});
    const D_DOT yAxis = map_.ApplyLinear({0, 1});
    const bool mirrors = xAxis.x * yAxis.y - xAxis.y * yAxis.x < 0;
    const double turn = mirrors ? std::atan2(-xAxis.y, -xAxis.x) : std::atan2(xAxis.y, xAxis.x);
    mapped.angle = (mirrors ? 180.0 - point.angle : point.angle) + turn / kDegree;
    const double alongScale = std::hypot(xAxis.x, xAxis.y);
    const double upScale = std::hypot(yAxis.x, yAxis.y);
    mapped.width = point.width * alongScale;
    mapped.height = point.height * upScale;
    mapped.frameWidth = point.frameWidth * alongScale;
    mapped.lineSpacing = point.lineSpacing * upScale;
  }
  inner_.AppendPoint(mapped, attributes);
}

void DxfTransformingSink::AppendRegion(std::span<const DxfRing> rings, const DxfRegionStyle& style,
                                       const DxfEntityAttributes& attributes) {
  std::vector<DxfRing> mapped(rings.begin(), rings.end());
  for (DxfRing& ring : mapped)
    for (DxfRegionArc& arc : ring)
      for (D_DOT& p : arc.vertices) p = map_.Apply(p);
  inner_.AppendRegion(mapped, style, attributes);
}

}  // namespace zv::dxf
