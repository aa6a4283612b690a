#include "annotation/core/pattern_rings.h"

#include <algorithm>
#include <cmath>

#include "panels/core/hatch_geometry.h"
#include "platform/data/geometry.h"

namespace zv::annot {

Rings EntityRings(WorkAreaHandle area, int entityType, int32_t id) {
  Rings rings;
  if (entityType == kRegionEntity) {
    if (BasGetRegionRings(area, id, &rings) != 1) return {};
    std::erase_if(rings, [](const Ring& r) { return r.size() < 2; });
    return rings;
  }
  if (entityType != kLineEntity) return {};
  std::vector<D_DOT> vertices;
  if (BasReadLine(area, id, &vertices, nullptr) <= 0 || vertices.empty()) return {};
  rings.push_back(ClosedRing(std::move(vertices)));
  return rings;
}

Ring ClosedRing(std::vector<D_DOT> vertices) {
  if (!vertices.empty()) vertices.push_back(vertices.front());
  return vertices;
}

bool InsideOrOnRings(const Rings& rings, const D_DOT& p) {
  bool inside = false;
  for (const Ring& ring : rings) {
    switch (BasPointInPolygon(ring, p)) {
      case 2: return true;
      case 1: inside = !inside; break;
      default: break;
    }
  }
  return inside;
}

std::vector<Segment> StretchesInside(const Rings& rings, const D_DOT& a, const D_DOT& b) {
  const double dx = b.x - a.x, dy = b.y - a.y, len2 = dx * dx + dy * dy;
  std::vector<Segment> out;
  if (!(len2 > 0) || !std::isfinite(len2)) return out;
  // Points along a-b by their parameter; the ends take part so that a piece
  // starting or ending inside keeps its own end.
  std::vector<std::pair<double, D_DOT>> along = {{0.0, a}, {1.0, b}};
  for (const Ring& ring : rings)
    for (const panels::EdgeCrossing& c : panels::OutlineCrossings(ring, a, b)) {
      const double t = ((c.point.x - a.x) * dx + (c.point.y - a.y) * dy) / len2;
      if (t > 0 && t < 1) along.push_back({t, c.point});
    }
  std::sort(along.begin(), along.end(), [](const auto& l, const auto& r) { return l.first < r.first; });
  for (std::size_t i = 0; i + 1 < along.size(); ++i) {
    const D_DOT& p = along[i].second;
    const D_DOT& q = along[i + 1].second;
    if (p.x == q.x && p.y == q.y) continue;
    if (!InsideOrOnRings(rings, {(p.x + q.x) / 2, (p.y + q.y) / 2})) continue;
    // A stretch continuing the last one (a crossing at a shared vertex)
    // joins it, so a line through a vertex stays one piece.
    if (!out.empty() && out.back().second.x == p.x && out.back().second.y == p.y)
      out.back().second = q;
    else
      out.push_back({p, q});
  }
  return out;
}

D_RECT RotatedRingsBox(const Rings& rings, double angle) {
  std::vector<D_DOT> turned;
  turned.reserve(VertexCount(rings));
  for (const Ring& ring : rings)
    for (const D_DOT& v : ring) turned.push_back(panels::RotateHatchVector(v.x, v.y, angle, true));
  D_RECT box{};
  BasVerticesRect(turned.data(), static_cast<int32_t>(turned.size()), &box);
  return box;
}

D_DOT RotatedBoxCentre(const Rings& rings, double angle, double* height) {
  const D_RECT box = RotatedRingsBox(rings, angle);
  if (height) *height = box.ymax - box.ymin;
  return panels::RotateHatchVector((box.xmin + box.xmax) * 0.5, (box.ymin + box.ymax) * 0.5, angle, false);
}

void MoveRotateRings(Rings& rings, double dx, double dy, double angle) {
  for (Ring& ring : rings) panels::TranslateRotatePoints(ring, dx, dy, angle);
}

std::size_t VertexCount(const Rings& rings) {
  std::size_t n = 0;
  for (const Ring& r : rings) n += r.size();
  return n;
}

}  // namespace zv::annot
