// The result rings are joined into one planar graph by exact coordinates:
// its edges are each stored once, its nodes are where arcs must break, and
// each ring is then read back as the arcs it runs along.
#include "platform/topology/clip_arcs.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <functional>
#include <unordered_map>

#include "platform/data/geometry.h"
#include "platform/topology/clip_copy.h"
#include "platform/topology/clip_snap.h"

namespace zv::topo {
namespace {

std::size_t HashOf(const D_DOT& p) {
  // 0 and −0 are one coordinate.
  return std::hash<double>()(p.x + 0.0) * 1000003u ^ std::hash<double>()(p.y + 0.0);
}
struct PointHash {
  std::size_t operator()(const D_DOT& p) const { return HashOf(p); }
};
struct PointEq {
  bool operator()(const D_DOT& a, const D_DOT& b) const { return a.x == b.x && a.y == b.y; }
};
// A segment with its ends in (x, y) order, so both directions find it.
struct Segment {
  D_DOT a, b;
};
Segment Canonical(const D_DOT& p, const D_DOT& q) { return XYOrder(q, p) ? Segment{q, p} : Segment{p, q}; }
struct SegmentHash {
  std::size_t operator()(const Segment& s) const { return HashOf(s.a) * 31u ^ HashOf(s.b); }
};
struct SegmentEq {
  bool operator()(const Segment& s, const Segment& t) const { return PointEq()(s.a, t.a) && PointEq()(s.b, t.b); }
};
// The source arc a segment belongs to, and whether the arc runs from the
// segment's first end to its second.
struct SegmentOwner {
  int32_t arc = 0;
  bool forward = true;
};

// An edge from an end of the segment a–b runs into the segment, along it:
// a gap between a region's arcs, within rounding of an arc's end, runs off
// across or past it and is no piece of that arc.
bool RunsInto(const D_DOT& end, const D_DOT& other, const D_DOT& a, const D_DOT& b) {
  const D_DOT* far = PointEq()(end, a) ? &b : PointEq()(end, b) ? &a : nullptr;
  if (!far) return true;
  const double ex = other.x - end.x, ey = other.y - end.y, sx = far->x - end.x, sy = far->y - end.y;
  return ex * sx + ey * sy > std::abs(ex * sy - ey * sx);
}

struct EdgeData {
  int32_t origin = 0;           // the source arc it lies on; 0 along the outline
  bool originLowToHigh = true;  // that arc runs from the lower vertex id to the higher
  int32_t arc = -1;             // index of the result arc
  bool arcLowToHigh = true;
};

uint64_t EdgeKey(int32_t u, int32_t v) {
  const auto lo = static_cast<uint32_t>(std::min(u, v)), hi = static_cast<uint32_t>(std::max(u, v));
  return (static_cast<uint64_t>(lo) << 32) | hi;
}

struct ResultArc {
  std::vector<int32_t> vertices;
  int32_t origin = 0;
};

class ArcGraph {
 public:
  ArcGraph(WorkAreaHandle source, const std::vector<ClippedPolygon>& polygons, const std::vector<int32_t>& extraArcs)
      : source_(source), extraArcs_(extraArcs) {
    for (const int32_t arc : extraArcs_) Index(arc);
    rings_.resize(polygons.size());
    for (std::size_t i = 0; i < polygons.size(); ++i) {
      for (const std::vector<D_DOT>& ring : polygons[i].rings) {
        std::vector<int32_t> ids = RingIds(ring);
        if (ids.size() < 3) {
          if (rings_[i].empty()) break;  // the outer ring bounds nothing
          continue;
        }
        rings_[i].push_back(std::move(ids));
      }
      for (const std::vector<int32_t>& ring : rings_[i])
        for (std::size_t k = 0; k < ring.size(); ++k) AddEdge(polygons[i].region, ring[k], ring[(k + 1) % ring.size()]);
    }
    FindNodes();
    WalkArcs();
  }

  const std::vector<ResultArc>& arcs() const { return arcs_; }
  const std::vector<D_DOT>& coords() const { return coords_; }
  const std::vector<std::vector<int32_t>>& rings(std::size_t polygon) const { return rings_[polygon]; }

  // The ring as signed result-arc indices (index + 1, negative against the
  // arc's direction).
  std::vector<int32_t> RingArcs(const std::vector<int32_t>& ring) const {
    const std::size_t n = ring.size();
    std::size_t start = 0;
    while (start < n && !node_[ring[start]]) ++start;
    if (start == n) return {Signed(ring[0], ring[1])};  // one closed arc without a node
    std::vector<int32_t> out;
    for (std::size_t done = 0, at = start; done < n;) {
      const int32_t entry = Signed(ring[at], ring[(at + 1) % n]);
      out.push_back(entry);
      const std::size_t length = arcs_[std::abs(entry) - 1].vertices.size() - 1;
      at = (at + length) % n;
      done += length;
    }
    return out;
  }

 private:
  int32_t Id(const D_DOT& p) {
    const auto [it, fresh] = ids_.emplace(p, static_cast<int32_t>(coords_.size()));
    if (fresh) {
      coords_.push_back(p);
      neighbours_.emplace_back();
    }
    return it->second;
  }

  std::vector<int32_t> RingIds(const std::vector<D_DOT>& ring) {
    std::vector<int32_t> ids;
    for (const D_DOT& p : ring) {
      const int32_t id = Id(p);
      if (ids.empty() || ids.back() != id) ids.push_back(id);
    }
    while (ids.size() > 1 && ids.back() == ids.front()) ids.pop_back();
    return ids;
  }

  const std::vector<int32_t>& RegionArcs(int32_t region) {
    auto [it, fresh] = regionArcs_.try_emplace(region);
    if (fresh) {
      BasReadRegion(source_, region, &it->second, nullptr);
      for (std::size_t i = 1; i < it->second.size(); ++i) Index(std::abs(it->second[i]));
    }
    return it->second;
  }

  const std::vector<D_DOT>& ArcVertices(int32_t arc) {
    auto [it, fresh] = arcVertices_.try_emplace(arc);
    if (fresh) BasReadLine(source_, arc, &it->second, nullptr);
    return it->second;
  }

  void Index(int32_t arc) {
    if (arc == 0 || arcVertices_.count(arc) != 0) return;
    const std::vector<D_DOT>& v = ArcVertices(arc);
    for (std::size_t k = 1; k < v.size(); ++k) {
      const Segment s = Canonical(v[k - 1], v[k]);
      segments_.emplace(s, SegmentOwner{arc, PointEq()(s.a, v[k - 1])});
    }
  }

  // The source arc of the region that the edge p→q lies on, 0 when none
  // (an edge along the outline); whether the arc runs from p to q.
  SegmentOwner Owner(int32_t region, const D_DOT& p, const D_DOT& q) {
    const std::vector<int32_t>& arcs = RegionArcs(region);
    const Segment s = Canonical(p, q);
    if (const auto it = segments_.find(s); it != segments_.end())
      return {it->second.arc, it->second.forward == PointEq()(s.a, p)};
    // A piece of a source segment that the outline cut.
    const double eps = 1e-9 * (1 + std::max({std::abs(p.x), std::abs(p.y), std::abs(q.x), std::abs(q.y)}));
    for (std::size_t i = 1; i < arcs.size() + extraArcs_.size(); ++i) {
      const int32_t arc = i < arcs.size() ? arcs[i] : extraArcs_[i - arcs.size()];
      if (arc == 0) continue;
      const std::vector<D_DOT>& v = ArcVertices(std::abs(arc));
      for (std::size_t k = 1; k < v.size(); ++k) {
        const D_DOT& a = v[k - 1];
        const D_DOT& b = v[k];
        if (BasPointToSegmentDistance(p, a, b) <= eps && BasPointToSegmentDistance(q, a, b) <= eps &&
            RunsInto(p, q, a, b) && RunsInto(q, p, a, b))
          return {std::abs(arc), (q.x - p.x) * (b.x - a.x) + (q.y - p.y) * (b.y - a.y) > 0};
      }
    }
    return {};
  }

  void AddEdge(int32_t region, int32_t u, int32_t v) {
    const auto [it, fresh] = edges_.try_emplace(EdgeKey(u, v));
    if (!fresh) return;
    const SegmentOwner owner = Owner(region, coords_[u], coords_[v]);
    it->second.origin = owner.arc;
    it->second.originLowToHigh = owner.forward == (u < v);
    neighbours_[u].push_back(v);
    neighbours_[v].push_back(u);
  }

  EdgeData& Edge(int32_t u, int32_t v) { return edges_.at(EdgeKey(u, v)); }
  const EdgeData& Edge(int32_t u, int32_t v) const { return edges_.at(EdgeKey(u, v)); }

  int32_t Signed(int32_t u, int32_t v) const {
    const EdgeData& e = Edge(u, v);
    return ((u < v) == e.arcLowToHigh) ? e.arc + 1 : -(e.arc + 1);
  }

  // Arcs break where rings meet or part, where the kind of edge changes and
  // where a source arc ends.
  void FindNodes() {
    node_.assign(coords_.size(), false);
    for (std::size_t v = 0; v < coords_.size(); ++v) {
      const std::vector<int32_t>& n = neighbours_[v];
      const auto at = static_cast<int32_t>(v);
      node_[v] = n.size() != 2 || Edge(at, n[0]).origin != Edge(at, n[1]).origin;
    }
    for (const auto& [arc, vertices] : arcVertices_) {
      if (vertices.empty()) continue;
      for (const D_DOT* end : {&vertices.front(), &vertices.back()})
        if (const auto it = ids_.find(*end); it != ids_.end()) node_[it->second] = true;
    }
  }

  void WalkArcs() {
    for (std::size_t v = 0; v < coords_.size(); ++v)
      if (node_[v])
        for (const int32_t w : neighbours_[v]) Walk(static_cast<int32_t>(v), w);
    // What is left are rings without a node: each one closed arc.
    for (std::size_t v = 0; v < coords_.size(); ++v)
      for (const int32_t w : neighbours_[v]) Walk(static_cast<int32_t>(v), w);
  }

  void Walk(int32_t from, int32_t to) {
    if (Edge(from, to).arc >= 0) return;
    ResultArc arc;
    arc.vertices = {from, to};
    for (int32_t prev = from, at = to; !node_[at] && at != from;) {
      const std::vector<int32_t>& n = neighbours_[at];
      const int32_t next = n[0] == prev ? n[1] : n[0];
      arc.vertices.push_back(next);
      prev = at;
      at = next;
    }
    const EdgeData& first = Edge(from, to);
    arc.origin = first.origin;
    if (arc.origin != 0 && first.originLowToHigh != (from < to))
      std::reverse(arc.vertices.begin(), arc.vertices.end());
    const auto index = static_cast<int32_t>(arcs_.size());
    for (std::size_t k = 1; k < arc.vertices.size(); ++k) {
      EdgeData& e = Edge(arc.vertices[k - 1], arc.vertices[k]);
      e.arc = index;
      e.arcLowToHigh = arc.vertices[k - 1] < arc.vertices[k];
    }
    arcs_.push_back(std::move(arc));
  }

  WorkAreaHandle source_;
  std::vector<int32_t> extraArcs_;
  std::unordered_map<D_DOT, int32_t, PointHash, PointEq> ids_;
  std::vector<D_DOT> coords_;
  std::vector<std::vector<int32_t>> neighbours_;
  std::unordered_map<uint64_t, EdgeData> edges_;
  std::vector<bool> node_;
  std::vector<ResultArc> arcs_;
  std::vector<std::vector<std::vector<int32_t>>> rings_;
  std::unordered_map<int32_t, std::vector<int32_t>> regionArcs_;
  std::unordered_map<int32_t, std::vector<D_DOT>> arcVertices_;
  std::unordered_map<Segment, SegmentOwner, SegmentHash, SegmentEq> segments_;
};

}  // namespace

PlanarArcs BuildPlanarArcs(WorkAreaHandle source, const std::vector<ClippedPolygon>& polygons,
                           const std::vector<int32_t>& extraArcs) {
  const ArcGraph graph(source, polygons, extraArcs);
  PlanarArcs out;
  out.arcs.reserve(graph.arcs().size());
  for (const ResultArc& arc : graph.arcs()) {
    PlanarArc planar;
    planar.origin = arc.origin;
    for (const int32_t v : arc.vertices) planar.vertices.push_back(graph.coords()[v]);
    out.arcs.push_back(std::move(planar));
  }
  out.lists.resize(polygons.size());
  for (std::size_t i = 0; i < polygons.size(); ++i) {
    std::vector<int32_t>& list = out.lists[i];
    for (const std::vector<int32_t>& ring : graph.rings(i)) {
      list.push_back(0);
      for (const int32_t entry : graph.RingArcs(ring)) list.push_back(entry);
    }
  }
  return out;
}

int32_t AppendClippedRegions(WorkAreaHandle source, WorkAreaHandle target, const std::vector<ClippedPolygon>& polygons,
                             const LIN_INFO& outlineInfo) {
  const PlanarArcs planar = BuildPlanarArcs(source, polygons);
  std::vector<int32_t> arcIds;
  arcIds.reserve(planar.arcs.size());
  for (const PlanarArc& arc : planar.arcs) {
    LIN_INFO info = outlineInfo;
    if (arc.origin != 0) BasReadLineParam(source, arc.origin, &info);
    const int32_t id = BasAppendLine(target, arc.vertices, info);
    if (id != 0 && arc.origin != 0) CopyAttribute(source, kLineEntity, arc.origin, target, id);
    arcIds.push_back(id);
  }
  int32_t appended = 0;
  for (std::size_t i = 0; i < polygons.size(); ++i) {
    std::vector<int32_t> list;
    if (!MapArcList(planar.lists[i], arcIds, &list)) continue;
    REG_INFO info;
    std::vector<int32_t> sourceArcs;
    if (!BasReadRegion(source, polygons[i].region, &sourceArcs, &info)) continue;
    const int32_t added = BasAppendRegion(target, list, info);
    if (added == 0) continue;
    CopyAttribute(source, kRegionEntity, polygons[i].region, target, added);
    ++appended;
  }
  return appended;
}

bool MapArcList(const std::vector<int32_t>& planarList, const std::vector<int32_t>& arcIds, std::vector<int32_t>* list) {
  list->assign(1, 0);
  for (std::size_t k = 0; k < planarList.size(); ++k) {
    const int32_t entry = planarList[k];
    if (entry == 0) {
      if (k > 0) list->push_back(0);
      continue;
    }
    const int32_t id = arcIds[static_cast<std::size_t>(std::abs(entry) - 1)];
    if (id == 0) return false;
    list->push_back(entry > 0 ? id : -id);
  }
  return list->size() > 1;
}

}  // namespace zv::topo
