// A region is split by noding its boundary together with the line and
// polygonizing: the faces inside the region are its pieces. The faces' rings
// are then read back as arcs through the clip's planar graph, so a stretch
// of a boundary arc or of the line keeps naming the arc it came from, and
// only those arcs are rewritten.
#include <algorithm>
#include <cmath>
#include <limits>
#include <utility>
#include <map>

#include "platform/data/geometry.h"
#include "platform/topology/arc_pieces.h"
#include "platform/topology/clip_arcs.h"
#include "platform/topology/clip_copy.h"
#include "platform/topology/clip_snap.h"
#include "platform/topology/geos_handle.h"
#include "platform/topology/topology.h"

namespace zv {
namespace {

bool SamePoint(const D_DOT& a, const D_DOT& b) { return a.x == b.x && a.y == b.y; }

int32_t Failed(std::string* message, std::string text) {
  if (message) *message = std::move(text);
  return -1;
}

std::string RegionName(int32_t region) { return "区 " + std::to_string(region); }

topo::Geom LineString(const topo::GeosContext& c, const std::vector<D_DOT>& vertices) {
  GEOSCoordSequence* seq = GEOSCoordSeq_create_r(c.get(), static_cast<unsigned>(vertices.size()), 2);
  if (!seq) return topo::Own(c, nullptr);
  for (unsigned i = 0; i < vertices.size(); ++i) GEOSCoordSeq_setXY_r(c.get(), seq, i, vertices[i].x, vertices[i].y);
  return topo::Own(c, GEOSGeom_createLineString_r(c.get(), seq));
}

// The pieces of the region as closed rings (outer first), or empty when the
// line does not cut it through; false on a GEOS failure.
bool Faces(const topo::GeosContext& c, const std::vector<std::vector<D_DOT>>& rings, const std::vector<D_DOT>& cut,
           std::vector<std::vector<std::vector<D_DOT>>>* faces) {
  topo::Geom polygon = topo::MakePolygon(c, rings);
  if (!polygon || GEOSisEmpty_r(c.get(), polygon.get()) != 0) return true;  // the region bounds nothing
  topo::Geom boundary = topo::Own(c, GEOSBoundary_r(c.get(), polygon.get()));
  topo::Geom line = LineString(c, cut);
  if (!boundary || !line) return false;
  topo::Geom noded = topo::Own(c, GEOSUnion_r(c.get(), boundary.get(), line.get()));
  if (!noded) return false;
  const GEOSGeometry* input = noded.get();
  topo::Geom polygonized = topo::Own(c, GEOSPolygonize_r(c.get(), &input, 1));
  if (!polygonized) return false;
  std::vector<const GEOSGeometry*> parts;
  topo::CollectPolygons(c, polygonized.get(), &parts);
  std::vector<std::vector<std::vector<D_DOT>>> inside;
  for (const GEOSGeometry* part : parts) {
    topo::Geom point = topo::Own(c, GEOSPointOnSurface_r(c.get(), part));
    if (!point) return false;
    const char contained = GEOSContains_r(c.get(), polygon.get(), point.get());
    if (contained == 2) return false;
    if (contained == 1) inside.push_back(topo::PolygonRings(c, part));
  }
  if (inside.size() > 1) *faces = std::move(inside);
  return true;
}

// Where a piece of `arc` starts along it: the arc's segment its first
// segment runs on, and how far along that segment it starts. An arc that
// crosses itself has two pieces leaving each crossing; this tells them apart.
std::pair<std::size_t, double> StartAlong(const std::vector<D_DOT>& arc, const std::vector<D_DOT>& piece) {
  const D_DOT mid{(piece[0].x + piece[1].x) / 2, (piece[0].y + piece[1].y) / 2};
  const double px = piece[1].x - piece[0].x, py = piece[1].y - piece[0].y;
  std::size_t segment = 0;
  double nearest = std::numeric_limits<double>::infinity();
  for (std::size_t i = 0; i + 1 < arc.size(); ++i) {
    // A spike runs back over itself: only a segment of the piece's direction.
    if ((arc[i + 1].x - arc[i].x) * px + (arc[i + 1].y - arc[i].y) * py <= 0) continue;
    if (const double d = BasPointToSegmentDistance(mid, arc[i], arc[i + 1]); d < nearest) {
      nearest = d;
      segment = i;
    }
  }
  const D_DOT& a = arc[segment];
  const D_DOT& b = arc[segment + 1];
  const double dx = b.x - a.x, dy = b.y - a.y, length2 = dx * dx + dy * dy;
  const double t = length2 > 0 ? ((piece[0].x - a.x) * dx + (piece[0].y - a.y) * dy) / length2 : 0;
  return {segment, t};
}

// The planar arcs that came from `arc`, chained from its first vertex to its
// last; empty when they do not run along it end to end.
std::vector<std::size_t> ChainAlong(const std::vector<D_DOT>& arc, const std::vector<topo::PlanarArc>& planar,
                                    const std::vector<std::size_t>& pieces) {
  if (arc.size() < 2) return {};
  std::vector<std::pair<std::pair<std::size_t, double>, std::size_t>> along;
  for (const std::size_t k : pieces) {
    if (planar[k].vertices.size() < 2) return {};
    along.push_back({StartAlong(arc, planar[k].vertices), k});
  }
  std::sort(along.begin(), along.end());
  std::vector<std::size_t> chain;
  D_DOT at = arc.front();
  for (const auto& [where, k] : along) {
    if (!SamePoint(planar[k].vertices.front(), at)) return {};
    chain.push_back(k);
    at = planar[k].vertices.back();
  }
  return SamePoint(at, arc.back()) ? chain : std::vector<std::size_t>{};
}

}  // namespace

int32_t TopoSplitRegion(WorkAreaHandle area, int32_t line, int32_t region, double tolerance, const TopoReport& report,
                        std::string* message) {
  std::vector<D_DOT> cut;
  std::vector<int32_t> arcs;
  REG_INFO regionInfo;
  std::vector<std::vector<D_DOT>> rings;
  if (BasGetWorkAreaType(area) != kRegionArea || !(tolerance >= 0) || !std::isfinite(tolerance) ||
      !BasReadLine(area, line, &cut, nullptr) || !BasReadRegion(area, region, &arcs, &regionInfo) ||
      !BasGetRegionRings(area, region, &rings))
    return -1;
  if (cut.size() < 2) return 1;
  D_RECT lineBox, regionBox;
  if (BasGetLineRect(area, line, &lineBox) && BasGetRegionRect(area, region, &regionBox) &&
      (lineBox.xmax < regionBox.xmin - tolerance || lineBox.xmin > regionBox.xmax + tolerance ||
       lineBox.ymax < regionBox.ymin - tolerance || lineBox.ymin > regionBox.ymax + tolerance))
    return 1;

  // The region's own vertices: the line's vertices and the crossings near
  // them are put on them, so no sliver arc is made beside a vertex.
  std::vector<D_DOT> own;
  for (const std::vector<D_DOT>& ring : rings) own.insert(own.end(), ring.begin(), ring.end());
  std::sort(own.begin(), own.end(), topo::XYOrder);
  for (D_DOT& v : cut) v = topo::SnapToNearest(v, own, tolerance);
  std::vector<D_DOT> cutVertices = cut;
  std::sort(cutVertices.begin(), cutVertices.end(), topo::XYOrder);

  topo::GeosContext c;
  std::vector<std::vector<std::vector<D_DOT>>> faces;
  if (!Faces(c, rings, cut, &faces)) return Failed(message, RegionName(region) + " 不能分割：几何计算出错");
  if (faces.empty()) return 1;

  std::vector<topo::ClippedPolygon> polygons;
  for (std::vector<std::vector<D_DOT>>& face : faces) {
    for (std::vector<D_DOT>& ring : face)
      for (D_DOT& v : ring)
        if (!std::binary_search(own.begin(), own.end(), v, topo::XYOrder) &&
            !std::binary_search(cutVertices.begin(), cutVertices.end(), v, topo::XYOrder))
          v = topo::SnapToNearest(v, own, tolerance);
    polygons.push_back({region, std::move(face)});
  }
  const topo::PlanarArcs planar = topo::BuildPlanarArcs(area, polygons, {line});

  // Which planar arcs each arc became; anything that cannot be put back as
  // the arcs it came from leaves the region as it was.
  std::map<int32_t, std::vector<std::size_t>> byOrigin;
  for (std::size_t i = 0; i < planar.arcs.size(); ++i) byOrigin[planar.arcs[i].origin].push_back(i);
  std::map<int32_t, std::vector<std::size_t>> chains;
  for (const auto& [origin, pieces] : byOrigin) {
    if (origin == 0 || origin == line) continue;
    std::vector<D_DOT> vertices;
    BasReadLine(area, origin, &vertices, nullptr);
    std::vector<std::size_t> chain = vertices.empty() ? std::vector<std::size_t>{} : ChainAlong(vertices, planar.arcs, pieces);
    if (chain.empty()) return Failed(message, RegionName(region) + " 不能分割：弧段 " + std::to_string(origin) + " 无法切分");
    chains[origin] = std::move(chain);
  }
  std::vector<std::size_t> order(polygons.size());
  std::vector<double> areas(polygons.size(), 0.0);
  for (std::size_t i = 0; i < polygons.size(); ++i) {
    order[i] = i;
    for (std::size_t r = 0; r < polygons[i].rings.size(); ++r) {
      const std::vector<D_DOT>& ring = polygons[i].rings[r];
      areas[i] += std::abs(BasPolygonArea(ring.data(), static_cast<int32_t>(ring.size()))) * (r == 0 ? 1 : -1);
    }
    if (planar.lists[i].empty()) return 1;  // a piece that bounds nothing: keep the region whole
  }
  std::stable_sort(order.begin(), order.end(), [&](std::size_t a, std::size_t b) { return areas[a] > areas[b]; });

  BasBeginBatch(area);
  std::vector<int32_t> arcIds(planar.arcs.size(), 0);
  for (const auto& [origin, chain] : chains) {
    std::vector<D_DOT> vertices;
    LIN_INFO info;
    BasReadLine(area, origin, &vertices, &info);
    if (chain.size() == 1 && planar.arcs[chain[0]].vertices.size() == vertices.size() &&
        std::equal(vertices.begin(), vertices.end(), planar.arcs[chain[0]].vertices.begin(), SamePoint)) {
      arcIds[chain[0]] = origin;
      continue;
    }
    std::vector<std::vector<D_DOT>> pieces;
    for (const std::size_t k : chain) pieces.push_back(planar.arcs[k].vertices);
    const std::vector<int32_t> ids = topo::ReplaceArcByPieces(area, origin, pieces, info, true, report);
    for (std::size_t k = 0; k < ids.size(); ++k) arcIds[chain[k]] = ids[k];
  }
  // The line's stretches inside, and any edge of no arc, are the new arcs.
  const LIN_INFO newInfo = *BasGetDefaultLineParam();
  std::vector<std::vector<D_DOT>> inner;
  std::vector<std::size_t> innerIndex;
  for (const int32_t origin : {line, 0})
    if (const auto it = byOrigin.find(origin); it != byOrigin.end())
      for (const std::size_t k : it->second) {
        inner.push_back(planar.arcs[k].vertices);
        innerIndex.push_back(k);
      }
  const std::vector<int32_t> innerIds = topo::ReplaceArcByPieces(area, line, inner, newInfo, true, report);
  for (std::size_t k = 0; k < innerIds.size(); ++k) arcIds[innerIndex[k]] = innerIds[k];

  int32_t pieces = 0;
  for (const std::size_t i : order) {
    std::vector<int32_t> list;
    if (!topo::MapArcList(planar.lists[i], arcIds, &list)) continue;
    if (pieces == 0)
      topo::SetRegionArcs(area, region, list, regionInfo, report);
    else if (const int32_t added = topo::AppendRegionArcs(area, list, regionInfo, report))
      topo::CopyAttribute(area, kRegionEntity, region, area, added);
    ++pieces;
  }
  BasEndBatch(area);
  return pieces;
}

}  // namespace zv
