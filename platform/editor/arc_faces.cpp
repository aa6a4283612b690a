#include "platform/editor/arc_faces.h"

#include <algorithm>
#include <cmath>
#include <deque>
#include <map>
#include <numeric>
#include <unordered_map>
#include <utility>

#include "platform/data/geometry.h"

namespace zv::editor {
namespace {

// Half-edge h runs along arc h / 2, forwards when h is even; its twin is h ^ 1.
struct Graph {
  std::vector<ArcPath> arcs;           // consecutive repeated vertices dropped
  std::vector<int> from, to;           // nodes of each half-edge
  std::vector<double> leaving;         // angle of each half-edge at its start
  std::vector<bool> live;              // false once pruned as a loose end
  std::vector<std::vector<int>> out;   // per node: half-edges leaving, by angle
  std::vector<int> slot;               // index of each half-edge in out[from]
  std::vector<int> component;          // per node
};

std::vector<D_DOT> WithoutRepeats(const std::vector<D_DOT>& v) {
  std::vector<D_DOT> out;
  for (const D_DOT& d : v)
    if (out.empty() || d.x != out.back().x || d.y != out.back().y) out.push_back(d);
  return out;
}

// Ends within `tolerance` of each other are one node.
class NodeTable {
 public:
  explicit NodeTable(double tolerance) : tolerance_(tolerance) {}
  int NodeOf(const D_DOT& p) {
    const auto cx = std::llround(p.x / tolerance_), cy = std::llround(p.y / tolerance_);
    for (long long dx = -1; dx <= 1; ++dx)
      for (long long dy = -1; dy <= 1; ++dy) {
        auto it = cells_.find({cx + dx, cy + dy});
        if (it != cells_.end() && BasPointDistance(points_[it->second], p) <= tolerance_) return it->second;
      }
    points_.push_back(p);
    cells_.emplace(std::pair{cx, cy}, static_cast<int>(points_.size() - 1));
    return static_cast<int>(points_.size() - 1);
  }
  int Count() const { return static_cast<int>(points_.size()); }

 private:
  double tolerance_;
  std::vector<D_DOT> points_;
  std::map<std::pair<long long, long long>, int> cells_;
};

double Tolerance(const std::vector<ArcPath>& arcs) {
  double extent = 1;
  for (const ArcPath& a : arcs)
    for (const D_DOT& d : a.vertices)
      if (std::isfinite(d.x) && std::isfinite(d.y)) extent = std::max({extent, std::abs(d.x), std::abs(d.y)});
  return extent * 1e-6;
}

int Find(std::vector<int>& parent, int n) {
  while (parent[n] != n) n = parent[n] = parent[parent[n]];
  return n;
}

Graph BuildGraph(const std::vector<ArcPath>& input) {
  Graph g;
  for (const ArcPath& a : input) {
    std::vector<D_DOT> v = WithoutRepeats(a.vertices);
    const bool finite = std::all_of(v.begin(), v.end(), [](const D_DOT& d) { return std::isfinite(d.x) && std::isfinite(d.y); });
    if (v.size() >= 2 && finite && a.id > 0) g.arcs.push_back({a.id, std::move(v)});
  }
  NodeTable nodes(Tolerance(g.arcs));
  const std::size_t halves = g.arcs.size() * 2;
  g.from.resize(halves);
  g.to.resize(halves);
  g.leaving.resize(halves);
  for (std::size_t i = 0; i < g.arcs.size(); ++i) {
    const std::vector<D_DOT>& v = g.arcs[i].vertices;
    const int a = nodes.NodeOf(v.front()), b = nodes.NodeOf(v.back());
    g.from[2 * i] = a, g.to[2 * i] = b, g.from[2 * i + 1] = b, g.to[2 * i + 1] = a;
    g.leaving[2 * i] = std::atan2(v[1].y - v[0].y, v[1].x - v[0].x);
    const std::size_t n = v.size();
    g.leaving[2 * i + 1] = std::atan2(v[n - 2].y - v[n - 1].y, v[n - 2].x - v[n - 1].x);
  }
  // Loose ends never bound a face: drop arcs with an end no other arc
  // meets, until none is left.
  g.live.assign(halves, true);
  std::vector<int> degree(static_cast<std::size_t>(nodes.Count()), 0);
  for (std::size_t h = 0; h < halves; ++h) ++degree[static_cast<std::size_t>(g.from[h])];
  std::deque<int> loose;
  for (int n = 0; n < nodes.Count(); ++n)
    if (degree[static_cast<std::size_t>(n)] == 1) loose.push_back(n);
  std::vector<std::vector<int>> leavingAt(static_cast<std::size_t>(nodes.Count()));
  for (std::size_t h = 0; h < halves; ++h) leavingAt[static_cast<std::size_t>(g.from[h])].push_back(static_cast<int>(h));
  while (!loose.empty()) {
    const int n = loose.front();
    loose.pop_front();
    for (int h : leavingAt[static_cast<std::size_t>(n)]) {
      if (!g.live[static_cast<std::size_t>(h)]) continue;
      g.live[static_cast<std::size_t>(h)] = g.live[static_cast<std::size_t>(h ^ 1)] = false;
      --degree[static_cast<std::size_t>(n)];
      const int other = g.to[static_cast<std::size_t>(h)];
      if (--degree[static_cast<std::size_t>(other)] == 1) loose.push_back(other);
    }
  }
  g.out.resize(static_cast<std::size_t>(nodes.Count()));
  g.slot.assign(halves, -1);
  std::vector<int> parent(static_cast<std::size_t>(nodes.Count()));
  std::iota(parent.begin(), parent.end(), 0);
  for (std::size_t h = 0; h < halves; ++h) {
    if (!g.live[h]) continue;
    g.out[static_cast<std::size_t>(g.from[h])].push_back(static_cast<int>(h));
    parent[static_cast<std::size_t>(Find(parent, g.from[h]))] = Find(parent, g.to[h]);
  }
  for (auto& list : g.out) {
    std::sort(list.begin(), list.end(), [&](int a, int b) {
      return g.leaving[static_cast<std::size_t>(a)] < g.leaving[static_cast<std::size_t>(b)];
    });
    for (std::size_t i = 0; i < list.size(); ++i) g.slot[static_cast<std::size_t>(list[i])] = static_cast<int>(i);
  }
  g.component.resize(parent.size());
  for (std::size_t n = 0; n < parent.size(); ++n) g.component[n] = Find(parent, static_cast<int>(n));
  return g;
}

// After arriving along h, the face on the left goes on along the half-edge
// that leaves the node next clockwise from h's twin.
int Next(const Graph& g, int h) {
  const std::vector<int>& list = g.out[static_cast<std::size_t>(g.to[static_cast<std::size_t>(h)])];
  const int at = g.slot[static_cast<std::size_t>(h ^ 1)];
  const int n = static_cast<int>(list.size());
  return list[static_cast<std::size_t>((at - 1 + n) % n)];
}

struct Loop {
  std::vector<int> halves;
  std::vector<D_DOT> ring;
  double area = 0;
  int component = 0;
};

// A face walk that passes an arc both ways (an arc tying an island to the
// ring) splits there into the loops on either side of it.
void SplitAtBridges(const std::vector<int>& walk, std::vector<std::vector<int>>& loops) {
  std::unordered_map<int, std::size_t> firstOfArc;
  for (std::size_t j = 0; j < walk.size(); ++j) {
    auto [it, fresh] = firstOfArc.emplace(walk[j] / 2, j);
    if (fresh) continue;
    const std::size_t i = it->second;
    std::vector<int> inner(walk.begin() + static_cast<std::ptrdiff_t>(i + 1), walk.begin() + static_cast<std::ptrdiff_t>(j));
    std::vector<int> rest(walk.begin(), walk.begin() + static_cast<std::ptrdiff_t>(i));
    rest.insert(rest.end(), walk.begin() + static_cast<std::ptrdiff_t>(j + 1), walk.end());
    SplitAtBridges(inner, loops);
    SplitAtBridges(rest, loops);
    return;
  }
  if (!walk.empty()) loops.push_back(walk);
}

Loop MakeLoop(const Graph& g, std::vector<int> halves) {
  Loop loop;
  for (int h : halves) {
    const std::vector<D_DOT>& v = g.arcs[static_cast<std::size_t>(h / 2)].vertices;
    const std::size_t skip = loop.ring.empty() ? 0 : 1;
    if (h % 2 == 0)
      loop.ring.insert(loop.ring.end(), v.begin() + static_cast<std::ptrdiff_t>(skip), v.end());
    else
      loop.ring.insert(loop.ring.end(), v.rbegin() + static_cast<std::ptrdiff_t>(skip), v.rend());
  }
  loop.area = BasPolygonArea(loop.ring.data(), static_cast<int32_t>(loop.ring.size()));
  loop.component = g.component[static_cast<std::size_t>(g.from[static_cast<std::size_t>(halves.front())])];
  loop.halves = std::move(halves);
  return loop;
}

// The faces: each a list of loops. A bounded face has one loop turning
// counter-clockwise (its outline) and maybe bridged islands; the face
// outside a group of arcs has only clockwise loops.
std::vector<std::vector<Loop>> Faces(const Graph& g) {
  std::vector<std::vector<Loop>> faces;
  std::vector<bool> walked(g.from.size(), false);
  for (std::size_t start = 0; start < g.from.size(); ++start) {
    if (!g.live[start] || walked[start]) continue;
    std::vector<int> walk;
    int h = static_cast<int>(start);
    while (!walked[static_cast<std::size_t>(h)]) {
      walked[static_cast<std::size_t>(h)] = true;
      walk.push_back(h);
      h = Next(g, h);
    }
    std::vector<std::vector<int>> parts;
    SplitAtBridges(walk, parts);
    std::vector<Loop> loops;
    for (auto& part : parts) loops.push_back(MakeLoop(g, std::move(part)));
    faces.push_back(std::move(loops));
  }
  return faces;
}

const Loop* Outline(const std::vector<Loop>& face) {
  const Loop* best = nullptr;
  for (const Loop& l : face)
    if (l.area > 0 && (!best || l.area > best->area)) best = &l;
  return best;
}

bool Encloses(const Loop& loop, const D_DOT& p) { return BasPointInPolygon(loop.ring, p) == 1; }

// A point of the loop's own that no other ring passes through: the middle
// of its first segment.
D_DOT InnerProbe(const Loop& loop) {
  return {(loop.ring[0].x + loop.ring[1].x) / 2, (loop.ring[0].y + loop.ring[1].y) / 2};
}

void Append(const Graph& g, const Loop& loop, std::vector<int32_t>& list) {
  for (int h : loop.halves) {
    const int32_t id = g.arcs[static_cast<std::size_t>(h / 2)].id;
    list.push_back(h % 2 == 0 ? id : -id);
  }
}

}  // namespace

std::vector<int32_t> RegionArcsAround(const std::vector<ArcPath>& arcs, const D_DOT& p) {
  const Graph g = BuildGraph(arcs);
  const std::vector<std::vector<Loop>> faces = Faces(g);
  const std::vector<Loop>* chosen = nullptr;
  const Loop* outer = nullptr;
  for (const std::vector<Loop>& face : faces) {
    const Loop* outline = Outline(face);
    if (!outline || !Encloses(*outline, p) || (outer && outline->area >= outer->area)) continue;
    const bool inIsland = std::any_of(face.begin(), face.end(),
                                      [&](const Loop& l) { return &l != outline && BasPointInPolygon(l.ring, p) != 0; });
    if (inIsland) continue;
    chosen = &face;
    outer = outline;
  }
  if (!outer) return {};

  std::vector<const Loop*> holes;
  for (const Loop& l : *chosen)
    if (&l != outer) holes.push_back(&l);
  // Outlines of other groups of arcs inside the ring, largest first so
  // that one inside another is left to the larger.
  std::vector<const Loop*> islands;
  for (const std::vector<Loop>& face : faces) {
    if (Outline(face)) continue;
    for (const Loop& l : face)
      if (l.component != outer->component && l.area < 0 && Encloses(*outer, InnerProbe(l)) &&
          BasPointInPolygon(l.ring, p) == 0)
        islands.push_back(&l);
  }
  std::sort(islands.begin(), islands.end(), [](const Loop* a, const Loop* b) { return a->area < b->area; });
  for (const Loop* island : islands) {
    const bool nested = std::any_of(holes.begin(), holes.end(),
                                    [&](const Loop* h) { return Encloses(*h, InnerProbe(*island)); });
    if (!nested) holes.push_back(island);
  }

  std::vector<int32_t> list{0};
  Append(g, *outer, list);
  for (const Loop* h : holes) {
    list.push_back(0);
    Append(g, *h, list);
  }
  return list;
}

}  // namespace zv::editor
