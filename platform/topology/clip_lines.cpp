// Lines are cut where they cross the outline's edges; every stretch between
// two cuts lies wholly inside or outside, so its midpoint decides which side
// keeps it. Cutting
// ourselves, rather than intersecting through GEOS, keeps the source's
// direction and vertices and never merges or reorders stretches.
#include <algorithm>
#include <cmath>

#include "platform/data/geometry.h"
#include "platform/topology/clip_copy.h"
#include "platform/topology/clip_outline.h"
#include "platform/topology/topology.h"

namespace zv {
namespace {

double Cross(double ax, double ay, double bx, double by) { return ax * by - ay * bx; }

// Parameters t in [0, 1] along a→b where the segment meets the edge.
void AddCuts(const D_DOT& a, const D_DOT& b, const topo::Edge& e, std::vector<double>* cuts) {
  const double dx = b.x - a.x, dy = b.y - a.y;
  const double ex = e.b.x - e.a.x, ey = e.b.y - e.a.y;
  const double px = e.a.x - a.x, py = e.a.y - a.y;
  const double denom = Cross(dx, dy, ex, ey);
  const double scale = std::max({std::abs(dx), std::abs(dy), std::abs(ex), std::abs(ey)});
  if (std::abs(denom) > 1e-12 * scale * scale) {
    const double t = Cross(px, py, ex, ey) / denom;
    const double u = Cross(px, py, dx, dy) / denom;
    if (t >= 0 && t <= 1 && u >= -1e-12 && u <= 1 + 1e-12) cuts->push_back(t);
    return;
  }
  const double len2 = dx * dx + dy * dy;
  if (len2 == 0 || std::abs(Cross(px, py, dx, dy)) > 1e-12 * scale * scale) return;
  // Along the same line: the edge's ends where they fall on the segment.
  for (const D_DOT& q : {e.a, e.b}) {
    const double t = ((q.x - a.x) * dx + (q.y - a.y) * dy) / len2;
    if (t > 0 && t < 1) cuts->push_back(t);
  }
}

D_DOT At(const D_DOT& a, const D_DOT& b, double t) {
  if (t <= 0) return a;
  if (t >= 1) return b;
  return {a.x + (b.x - a.x) * t, a.y + (b.y - a.y) * t};
}

struct Stretch {
  std::vector<D_DOT> vertices;
  bool fromStart = false;  // begins at the line's first vertex
  bool toEnd = false;      // ends at its last vertex
};

// A cut within `tolerance` of the segment's end is made at that end.
void SnapCuts(const D_DOT& a, const D_DOT& b, double tolerance, std::vector<double>* cuts) {
  if (!(tolerance > 0)) return;
  for (double& t : *cuts) {
    if (t <= 0 || t >= 1) continue;
    const D_DOT p = At(a, b, t);
    const double da = std::hypot(p.x - a.x, p.y - a.y), db = std::hypot(p.x - b.x, p.y - b.y);
    if (std::min(da, db) <= tolerance) t = da <= db ? 0.0 : 1.0;
  }
}

std::vector<Stretch> KeptStretches(const std::vector<D_DOT>& v, const topo::ClipOutline& outline, double tolerance) {
  std::vector<Stretch> out;
  Stretch run;
  auto finish = [&] {
    if (run.vertices.size() > 1) out.push_back(run);
    run = Stretch{};
  };
  std::vector<double> cuts;
  for (std::size_t i = 0; i + 1 < v.size(); ++i) {
    const D_DOT& a = v[i];
    const D_DOT& b = v[i + 1];
    const double minX = std::min(a.x, b.x), maxX = std::max(a.x, b.x);
    const double minY = std::min(a.y, b.y), maxY = std::max(a.y, b.y);
    cuts.assign({0.0, 1.0});
    for (const topo::Edge& e : outline.edges()) {
      if (e.maxX < minX || e.minX > maxX || e.maxY < minY || e.minY > maxY) continue;
      AddCuts(a, b, e, &cuts);
    }
    SnapCuts(a, b, tolerance, &cuts);
    std::sort(cuts.begin(), cuts.end());
    cuts.erase(std::unique(cuts.begin(), cuts.end()), cuts.end());
    // A midpoint on the outline may come out a rounding error outside it.
    const double eps = 1e-9 * (1 + std::max({std::abs(a.x), std::abs(a.y), std::abs(b.x), std::abs(b.y)}));
    for (std::size_t k = 0; k + 1 < cuts.size(); ++k) {
      const D_DOT from = At(a, b, cuts[k]);
      const D_DOT to = At(a, b, cuts[k + 1]);
      const D_DOT mid{(from.x + to.x) / 2, (from.y + to.y) / 2};
      if (!outline.Keeps(mid, eps)) {
        finish();
        continue;
      }
      if (run.vertices.empty()) {
        run.vertices.push_back(from);
        run.fromStart = i == 0 && cuts[k] == 0;
      }
      run.vertices.push_back(to);
      run.toEnd = i + 2 == v.size() && cuts[k + 1] == 1;
    }
  }
  finish();
  // A closed line cut open at its first vertex: the last stretch runs on
  // into the first.
  const bool closed = v.size() > 2 && v.front().x == v.back().x && v.front().y == v.back().y;
  if (closed && out.size() > 1 && out.front().fromStart && out.back().toEnd) {
    Stretch& last = out.back();
    last.vertices.insert(last.vertices.end(), out.front().vertices.begin() + 1, out.front().vertices.end());
    out.front() = std::move(last);
    out.pop_back();
  }
  return out;
}

}  // namespace

namespace topo {

int32_t ClipOneLine(const ClipOutline& shape, WorkAreaHandle source, int32_t id, WorkAreaHandle target,
                    double tolerance) {
  std::vector<D_DOT> vertices;
  LIN_INFO info;
  if (!BasReadLine(source, id, &vertices, &info)) return 0;
  std::vector<Stretch> pieces;
  if (vertices.size() == 1) {
    if (shape.Keeps(vertices[0], tolerance)) pieces.push_back({vertices});
  } else {
    pieces = KeptStretches(vertices, shape, tolerance);
  }
  int32_t appended = 0;
  for (const Stretch& piece : pieces) {
    const double length = BasPolylineLength(piece.vertices);
    if (piece.vertices.size() > 1 && (length <= 0 || length < tolerance)) continue;
    const int32_t added = BasAppendLine(target, piece.vertices, info);
    if (added == 0) continue;
    CopyAttribute(source, kLineEntity, id, target, added);
    ++appended;
  }
  return appended;
}

}  // namespace topo

int32_t TopoClipLines(WorkAreaHandle outline, WorkAreaHandle source, WorkAreaHandle target, double tolerance,
                      int mode) {
  return topo::ClipEach(outline, source, target, tolerance, mode, kLineArea, kLineEntity,
                        [&](const topo::GeosContext&, const topo::ClipOutline& shape, int32_t id) {
                          return topo::ClipOneLine(shape, source, id, target, tolerance);
                        });
}

}  // namespace zv
