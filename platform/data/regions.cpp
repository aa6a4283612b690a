// Region arc lists: the computed total, the rings they draw, and which
// regions use an arc.
#include <algorithm>
#include <cstdlib>

#include "platform/data/work_area_store.h"

namespace zv::detail {
namespace {

// Calls f(ringIndex, arcId) for every arc entry (index 1 on), counting rings
// by the 0 separators.
template <class F>
void ForEachArc(const std::vector<int32_t>& arcs, F&& f) {
  int ring = 0;
  bool ringHasArc = false;
  for (std::size_t i = 1; i < arcs.size(); ++i) {
    if (arcs[i] == 0) {
      if (ringHasArc) ++ring;
      ringHasArc = false;
      continue;
    }
    f(ring, arcs[i]);
    ringHasArc = true;
  }
}

}  // namespace

std::vector<int32_t> ArcListWithTotal(const WorkArea& area, const std::vector<int32_t>& arcs) {
  std::vector<int32_t> out = arcs;
  if (out.empty()) return out;
  // Rings whose arcs are all missing draw nothing and need no closing point.
  int64_t total = 0;
  int lastRingDrawn = -1;
  ForEachArc(arcs, [&](int ring, int32_t arc) {
    const LineSlot* line = area.lines.Live(std::abs(arc));
    if (!line || line->vertices.empty()) return;
    total += static_cast<int64_t>(line->vertices.size());
    if (ring != lastRingDrawn) ++total;
    lastRingDrawn = ring;
  });
  out[0] = static_cast<int32_t>(std::min<int64_t>(total, INT32_MAX));
  return out;
}

std::vector<Ring> BuildRingsWithArcs(const WorkArea& area, const std::vector<int32_t>& arcs) {
  std::vector<Ring> rings;
  int current = -1;
  ForEachArc(arcs, [&](int ring, int32_t arc) {
    const LineSlot* line = area.lines.Live(std::abs(arc));
    if (!line || line->vertices.empty()) return;
    if (ring != current) {
      rings.emplace_back();
      current = ring;
    }
    Ring& out = rings.back();
    out.arcs.push_back(arc);
    std::vector<D_DOT> part = line->vertices;
    if (arc < 0) std::reverse(part.begin(), part.end());
    const bool joins =
        !out.vertices.empty() && out.vertices.back().x == part.front().x && out.vertices.back().y == part.front().y;
    out.vertices.insert(out.vertices.end(), part.begin() + (joins ? 1 : 0), part.end());
  });
  for (Ring& ring : rings) {
    const D_DOT first = ring.vertices.front();
    if (first.x != ring.vertices.back().x || first.y != ring.vertices.back().y) ring.vertices.push_back(first);
  }
  return rings;
}

std::vector<std::vector<D_DOT>> BuildRings(const WorkArea& area, const std::vector<int32_t>& arcs) {
  std::vector<std::vector<D_DOT>> rings;
  for (Ring& ring : BuildRingsWithArcs(area, arcs)) rings.push_back(std::move(ring.vertices));
  return rings;
}

std::vector<int32_t> RegionsUsingArc(const WorkArea& area, int32_t arc) {
  std::vector<int32_t> ids;
  for (int32_t id = 1; id < area.regions.bound(); ++id) {
    const RegionSlot& slot = area.regions.slots[static_cast<std::size_t>(id)];
    if (!slot.live) continue;
    bool uses = false;
    ForEachArc(slot.arcs, [&](int, int32_t a) { uses = uses || std::abs(a) == arc; });
    if (uses) ids.push_back(id);
  }
  return ids;
}

}  // namespace zv::detail
