#include "annotation/core/pattern_rings.h"

#include <algorithm>
#include <cmath>

#include "common/segment_tests.h"
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

namespace {

RingSide SideOfRings(const Rings& rings, const D_DOT& p) {
  bool inside = false;
  for (const Ring& ring : rings) {
    switch (BasPointInPolygon(ring, p)) {
      case 2: return RingSide::kOn;
      case 1: inside = !inside; break;
      default: break;
    }
  }
  return inside ? RingSide::kInside : RingSide::kOutside;
}

void AddSplit(Along& along, const D_DOT& a, const D_DOT& b, const D_DOT& p) {
  const double dx = b.x - a.x, dy = b.y - a.y, len2 = dx * dx + dy * dy;
  const double t = ((p.x - a.x) * dx + (p.y - a.y) * dy) / len2;
  if (t > 0 && t < 1) along.push_back({t, p});
}

// The pieces between the split points whose midpoints are inside or on;
// `onlyOn` tells whether a piece was kept for lying on a ring.
std::vector<Segment> PiecesInside(const std::function<RingSide(const D_DOT&)>& sideOf, const Along& along,
                                  bool* onlyOn) {
  std::vector<Segment> out;
  for (std::size_t i = 0; i + 1 < along.size(); ++i) {
    const D_DOT& p = along[i].second;
    const D_DOT& q = along[i + 1].second;
    if (p.x == q.x && p.y == q.y) continue;
    const RingSide side = sideOf({(p.x + q.x) / 2, (p.y + q.y) / 2});
    if (side == RingSide::kOutside) continue;
    if (side == RingSide::kOn && onlyOn) *onlyOn = true;
    // A stretch continuing the last one (a crossing at a shared vertex)
    // joins it, so a line through a vertex stays one piece.
    if (!out.empty() && out.back().second.x == p.x && out.back().second.y == p.y)
      out.back().second = q;
    else
      out.push_back({p, q});
  }
  return out;
}

Along Sorted(Along along) {
  std::sort(along.begin(), along.end(), [](const auto& l, const auto& r) { return l.first < r.first; });
  return along;
}

}  // namespace

void AddEdgeCrossing(Along& along, const Ring& ring, std::size_t i, const D_DOT& a, const D_DOT& b) {
  const D_DOT& p = ring[i - 1];
  const D_DOT& q = ring[i];
  if (IntersectSegments(a.x, a.y, b.x, b.y, p.x, p.y, q.x, q.y) == kNoCrossing) return;
  AddSplit(along, a, b, panels::SegmentCrossingPoint(a, b, p, q));
}

void AddVertexOn(Along& along, const D_DOT& v, double tolerance, const D_DOT& a, const D_DOT& b) {
  if (BasPointToSegmentDistance(v, a, b) <= tolerance) AddSplit(along, a, b, v);
}

bool InsideOrOnRings(const Rings& rings, const D_DOT& p) { return SideOfRings(rings, p) != RingSide::kOutside; }

std::vector<Segment> StretchesBySearch(const D_DOT& a, const D_DOT& b, const StretchSearch& search) {
  const double dx = b.x - a.x, dy = b.y - a.y, len2 = dx * dx + dy * dy;
  if (!(len2 > 0) || !std::isfinite(len2)) return {};
  bool onlyOn = false;
  std::vector<Segment> out = PiecesInside(search.side, Sorted(search.splits(false)), &onlyOn);
  // A piece kept for lying on a ring may run past a ring vertex that no
  // edge crosses (a ring shrunk to a point, the tip of a spike drawn out
  // and back) and out of the region: split at the vertices on a-b too.
  if (onlyOn) out = PiecesInside(search.side, Sorted(search.splits(true)), nullptr);
  return out;
}

std::vector<Segment> StretchesInside(const Rings& rings, const D_DOT& a, const D_DOT& b) {
  const auto splits = [&](bool vertices) {
    Along along = {{0.0, a}, {1.0, b}};
    for (const Ring& ring : rings) {
      for (std::size_t i = 1; i < ring.size(); ++i) AddEdgeCrossing(along, ring, i, a, b);
      if (!vertices) continue;
      const double tolerance = BasPolygonOnTolerance(ring.data(), static_cast<int32_t>(ring.size()));
      for (const D_DOT& v : ring) AddVertexOn(along, v, tolerance, a, b);
    }
    return along;
  };
  return StretchesBySearch(a, b, {splits, [&](const D_DOT& p) { return SideOfRings(rings, p); }});
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
