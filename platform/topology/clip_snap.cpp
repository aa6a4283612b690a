#include "platform/topology/clip_snap.h"

#include <algorithm>
#include <cmath>
#include <limits>

namespace zv::topo {
namespace {

double Distance(const D_DOT& a, const D_DOT& b) { return std::hypot(a.x - b.x, a.y - b.y); }

}  // namespace

void SnapToSourceVertices(WorkAreaHandle source, double tolerance, std::vector<std::vector<D_DOT>>* lines) {
  if (!(tolerance > 0)) return;
  // The outline's vertices sorted by x, so each source vertex asks only the
  // few within tolerance in x; a source line is read only when its box
  // comes near one of them.
  struct Slot {
    D_DOT at;
    D_DOT* vertex;
    double best;
  };
  std::vector<Slot> slots;
  for (std::vector<D_DOT>& line : *lines)
    for (D_DOT& v : line) slots.push_back({v, &v, std::numeric_limits<double>::infinity()});
  if (slots.empty()) return;
  std::sort(slots.begin(), slots.end(), [](const Slot& a, const Slot& b) { return a.at.x < b.at.x; });
  auto from = [&](double x) {
    return std::lower_bound(slots.begin(), slots.end(), x, [](const Slot& s, double v) { return s.at.x < v; });
  };
  int32_t live = 0, bound = 0;
  BasGetLineCount(source, &live, &bound);
  std::vector<D_DOT> vertices;
  for (int32_t id = 1; id < bound; ++id) {
    D_RECT box;
    if (!BasGetLineRect(source, id, &box)) continue;
    bool near = false;
    for (auto s = from(box.xmin - tolerance); s != slots.end() && s->at.x <= box.xmax + tolerance && !near; ++s)
      near = s->at.y >= box.ymin - tolerance && s->at.y <= box.ymax + tolerance;
    if (!near || !BasReadLine(source, id, &vertices, nullptr)) continue;
    for (const D_DOT& v : vertices) {
      for (auto s = from(v.x - tolerance); s != slots.end() && s->at.x <= v.x + tolerance; ++s) {
        const double d = Distance(s->at, v);
        if (d <= tolerance && d < s->best) {
          s->best = d;
          *s->vertex = v;
        }
      }
    }
  }
}

D_DOT SnapToNearest(const D_DOT& p, const std::vector<D_DOT>& candidates, double tolerance) {
  D_DOT best = p;
  double bestDistance = tolerance;
  for (const D_DOT& c : candidates) {
    if (std::abs(c.x - p.x) > bestDistance || std::abs(c.y - p.y) > bestDistance) continue;
    const double d = Distance(c, p);
    if (d <= bestDistance) {
      bestDistance = d;
      best = c;
    }
  }
  return best;
}

}  // namespace zv::topo
