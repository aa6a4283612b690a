#include "platform/tin/tin_bands.h"

#include <algorithm>
#include <cmath>
#include <map>
#include <unordered_map>

#include "platform/tin/tin_edges.h"
#include "platform/tin/tin_locate.h"
#include "platform/topology/geos_handle.h"

namespace zv::tin {
namespace {

using EdgeKey = std::array<int32_t, 2>;

struct BoundaryEdge {
  int32_t from, to;
};

// The surface's outer edges, each running counter-clockwise around it,
// chained into loops.
std::vector<std::vector<BoundaryEdge>> BoundaryLoops(const Tin& tin) {
  const std::vector<Neighbours> neighbours = TriangleNeighbours(tin);
  std::unordered_multimap<int32_t, int32_t> next;  // from corner -> to corner
  for (size_t t = 0; t < neighbours.size(); ++t)
    for (int e = 0; e < 3; ++e)
      if (neighbours[t][e] < 0) next.emplace(tin.triangles()[t][e], tin.triangles()[t][(e + 1) % 3]);
  std::vector<std::vector<BoundaryEdge>> loops;
  while (!next.empty()) {
    auto it = next.begin();
    const int32_t start = it->first;
    std::vector<BoundaryEdge> loop;
    for (;;) {
      const BoundaryEdge edge{it->first, it->second};
      next.erase(it);
      loop.push_back(edge);
      if (edge.to == start) break;
      it = next.find(edge.to);
      if (it == next.end()) break;
    }
    loops.push_back(std::move(loop));
  }
  return loops;
}

D_DOT At(const Tin& tin, int32_t corner) { return {tin.points()[corner].x, tin.points()[corner].y}; }

void AddPoint(std::vector<D_DOT>& ring, const D_DOT& p) {
  if (ring.empty() || ring.back().x != p.x || ring.back().y != p.y) ring.push_back(p);
}

// A boundary loop as a closed ring, with the given extra points placed on
// their edges in order along each edge.
std::vector<D_DOT> Ring(const Tin& tin, const std::vector<BoundaryEdge>& loop,
                        const std::map<EdgeKey, std::vector<D_DOT>>& onEdges) {
  std::vector<D_DOT> ring;
  for (const BoundaryEdge& edge : loop) {
    const D_DOT a = At(tin, edge.from), b = At(tin, edge.to);
    AddPoint(ring, a);
    const auto found = onEdges.find({std::min(edge.from, edge.to), std::max(edge.from, edge.to)});
    if (found == onEdges.end()) continue;
    std::vector<D_DOT> along = found->second;
    const auto distance = [&](const D_DOT& p) { return std::hypot(p.x - a.x, p.y - a.y); };
    std::sort(along.begin(), along.end(), [&](const D_DOT& p, const D_DOT& q) { return distance(p) < distance(q); });
    for (const D_DOT& p : along) AddPoint(ring, p);
    AddPoint(ring, b);
  }
  if (!ring.empty()) AddPoint(ring, ring.front());
  return ring;
}

GEOSGeometry* LineString(const topo::GeosContext& c, const std::vector<D_DOT>& points) {
  GEOSCoordSequence* seq = GEOSCoordSeq_create_r(c.get(), static_cast<unsigned>(points.size()), 2);
  if (!seq) return nullptr;
  for (unsigned i = 0; i < points.size(); ++i) GEOSCoordSeq_setXY_r(c.get(), seq, i, points[i].x, points[i].y);
  return GEOSGeom_createLineString_r(c.get(), seq);
}

std::vector<std::vector<D_DOT>> Rings(const Tin& tin, const std::map<EdgeKey, std::vector<D_DOT>>& onEdges) {
  std::vector<std::vector<D_DOT>> rings;
  for (const std::vector<BoundaryEdge>& loop : BoundaryLoops(tin)) {
    std::vector<D_DOT> ring = Ring(tin, loop, onEdges);
    if (ring.size() >= 4) rings.push_back(std::move(ring));
  }
  return rings;
}

}  // namespace

std::vector<std::vector<D_DOT>> TinBoundary(const Tin& tin) { return Rings(tin, {}); }

int BandOf(double value, std::span<const double> levels) {
  return static_cast<int>(std::upper_bound(levels.begin(), levels.end(), value) - levels.begin());
}

long BandColour(int band, int colourCount) {
  // A ring of 48 light hues in the shipped table; a smaller table is walked
  // from its second colour.
  constexpr long kFirst = 521, kRing = 48, kStep = 7;
  if (colourCount > kFirst + kRing) return kFirst + (static_cast<long>(band) * kStep) % kRing;
  const long usable = std::max(1, colourCount - 2);
  return 2 + static_cast<long>(band) % usable;
}

std::vector<BandFace> ContourBands(const Tin& tin, std::span<const double> levels,
                                   const std::vector<ContourLine>& lines) {
  std::vector<BandFace> faces;
  std::map<EdgeKey, std::vector<D_DOT>> onEdges;
  for (const ContourLine& line : lines) {
    if (line.closed || line.points.empty()) continue;
    onEdges[line.startEdge].push_back(line.points.front());
    onEdges[line.endEdge].push_back(line.points.back());
  }

  const topo::GeosContext c;
  std::vector<GEOSGeometry*> parts;
  for (const std::vector<D_DOT>& ring : Rings(tin, onEdges))
    if (GEOSGeometry* g = LineString(c, ring)) parts.push_back(g);
  for (const ContourLine& line : lines)
    if (line.points.size() >= 2)
      if (GEOSGeometry* g = LineString(c, line.points)) parts.push_back(g);
  if (parts.empty()) return faces;
  const topo::Geom work = topo::Own(
      c, GEOSGeom_createCollection_r(c.get(), GEOS_MULTILINESTRING, parts.data(), static_cast<unsigned>(parts.size())));
  if (!work) return faces;
  const topo::Geom noded = topo::Own(c, GEOSUnaryUnion_r(c.get(), work.get()));
  if (!noded) return faces;
  const GEOSGeometry* input = noded.get();
  const topo::Geom polygons = topo::Own(c, GEOSPolygonize_r(c.get(), &input, 1));
  std::vector<const GEOSGeometry*> found;
  topo::CollectPolygons(c, polygons.get(), &found);

  const TinLocator locator(tin);
  for (const GEOSGeometry* polygon : found) {
    double area = 0;
    if (GEOSArea_r(c.get(), polygon, &area) != 1 || !(area > 0)) continue;
    const topo::Geom inside = topo::Own(c, GEOSPointOnSurface_r(c.get(), polygon));
    double x = 0, y = 0;
    if (!inside || GEOSGeomGetX_r(c.get(), inside.get(), &x) != 1 || GEOSGeomGetY_r(c.get(), inside.get(), &y) != 1)
      continue;
    double value = locator.ValueAt(x, y);
    if (std::isnan(value)) {
      // A sliver along the boundary may put its inner point a rounding
      // outside the triangles: take the nearest corner's value instead.
      double best = INFINITY;
      for (const TinPoint& p : tin.points()) {
        const double d = std::hypot(p.x - x, p.y - y);
        if (d < best) best = d, value = p.z;
      }
    }
    faces.push_back({topo::PolygonRings(c, polygon), BandOf(value, levels)});
  }
  return faces;
}

}  // namespace zv::tin
