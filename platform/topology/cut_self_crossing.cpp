// The crossings are found by GEOS's noding of the line against itself; the
// line is then cut by walking its own vertices, so the pieces keep its
// direction and coordinates and meet exactly where it crossed.
#include <algorithm>
#include <cmath>
#include <set>
#include <tuple>

#include "platform/data/geometry.h"
#include "platform/topology/arc_pieces.h"
#include "platform/topology/clip_snap.h"
#include "platform/topology/geos_handle.h"
#include "platform/topology/topology.h"

namespace zv {
namespace {

bool SamePoint(const D_DOT& a, const D_DOT& b) { return a.x == b.x && a.y == b.y; }

// The ends of the noded parts: the line's own ends and every point where it
// meets itself. False on a GEOS failure.
bool Nodes(const topo::GeosContext& c, const std::vector<D_DOT>& v, std::vector<D_DOT>* nodes) {
  GEOSCoordSequence* seq = GEOSCoordSeq_create_r(c.get(), static_cast<unsigned>(v.size()), 2);
  if (!seq) return false;
  for (unsigned i = 0; i < v.size(); ++i) GEOSCoordSeq_setXY_r(c.get(), seq, i, v[i].x, v[i].y);
  topo::Geom line = topo::Own(c, GEOSGeom_createLineString_r(c.get(), seq));
  if (!line) return false;
  topo::Geom noded = topo::Own(c, GEOSNode_r(c.get(), line.get()));
  if (!noded) return false;
  const int parts = GEOSGetNumGeometries_r(c.get(), noded.get());
  for (int i = 0; i < parts; ++i) {
    const std::vector<D_DOT> part = topo::Vertices(c, GEOSGetGeometryN_r(c.get(), noded.get(), i));
    if (part.empty()) continue;
    nodes->push_back(part.front());
    nodes->push_back(part.back());
  }
  std::sort(nodes->begin(), nodes->end(), topo::XYOrder);
  nodes->erase(std::unique(nodes->begin(), nodes->end(), SamePoint), nodes->end());
  return true;
}

// A cut inside segment `segment` at parameter t, at `at`.
struct Cut {
  std::size_t segment;
  double t;
  D_DOT at;
  bool operator<(const Cut& o) const { return std::tie(segment, t) < std::tie(o.segment, o.t); }
};

std::vector<std::vector<D_DOT>> Pieces(const std::vector<D_DOT>& v, const std::vector<D_DOT>& nodes, double tolerance) {
  const std::size_t n = v.size();
  std::vector<bool> cutAtVertex(n, false);
  std::vector<Cut> cuts;
  std::vector<D_DOT> sorted = v;
  std::sort(sorted.begin(), sorted.end(), topo::XYOrder);
  for (const D_DOT& node : nodes) {
    // A crossing near one of the line's vertices is made at that vertex.
    const D_DOT at = topo::SnapToNearest(node, sorted, tolerance);
    for (std::size_t i = 0; i + 1 < n; ++i) {
      const D_DOT& a = v[i];
      const D_DOT& b = v[i + 1];
      const double eps = 1e-9 * (1 + std::max({std::abs(a.x), std::abs(a.y), std::abs(b.x), std::abs(b.y)}));
      if (BasPointToSegmentDistance(node, a, b) > eps) continue;
      if (SamePoint(at, a)) {
        cutAtVertex[i] = true;
      } else if (SamePoint(at, b)) {
        cutAtVertex[i + 1] = true;
      } else {
        const double dx = b.x - a.x, dy = b.y - a.y;
        const double t = ((node.x - a.x) * dx + (node.y - a.y) * dy) / (dx * dx + dy * dy);
        cuts.push_back({i, t, at});
      }
    }
  }
  std::sort(cuts.begin(), cuts.end());
  std::vector<std::vector<D_DOT>> pieces(1);
  auto append = [&](const D_DOT& p) {
    if (pieces.back().empty() || !SamePoint(pieces.back().back(), p)) pieces.back().push_back(p);
  };
  auto cutHere = [&](const D_DOT& p) {
    append(p);
    if (pieces.back().size() > 1) pieces.push_back({});
    pieces.back() = {p};
  };
  std::size_t next = 0;
  for (std::size_t i = 0; i < n; ++i) {
    if (i > 0 && i + 1 < n && cutAtVertex[i])
      cutHere(v[i]);
    else
      append(v[i]);
    for (; next < cuts.size() && cuts[next].segment == i; ++next) cutHere(cuts[next].at);
  }
  if (pieces.back().size() < 2) pieces.pop_back();
  return pieces;
}

}  // namespace

int32_t TopoCutSelfCrossingArc(WorkAreaHandle area, int32_t id, double tolerance, int updateRegions,
                               const TopoReport& report, std::string* message) {
  const int type = BasGetWorkAreaType(area);
  std::vector<D_DOT> vertices;
  LIN_INFO info;
  if ((type != kLineArea && type != kRegionArea) || !(tolerance >= 0) || !std::isfinite(tolerance) ||
      !BasReadLine(area, id, &vertices, &info))
    return -1;
  if (vertices.size() < 3) return 1;
  topo::GeosContext c;
  std::vector<D_DOT> nodes;
  if (!Nodes(c, vertices, &nodes)) {
    if (message) *message = (type == kRegionArea ? "弧段 " : "线 ") + std::to_string(id) + " 不能剪断：几何计算出错";
    return -1;
  }
  const std::vector<std::vector<D_DOT>> pieces = Pieces(vertices, nodes, tolerance);
  if (pieces.size() < 2) return 1;
  BasBeginBatch(area);
  const std::vector<int32_t> ids = topo::ReplaceArcByPieces(area, id, pieces, info, updateRegions != 0, report);
  BasEndBatch(area);
  return static_cast<int32_t>(ids.size());
}

}  // namespace zv
