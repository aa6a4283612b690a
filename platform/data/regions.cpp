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

namespace {

// The distinct arcs a region's list names, ascending.
std::vector<int32_t> ArcsNamed(const RegionSlot& slot) {
  std::vector<int32_t> arcs;
  if (!slot.live) return arcs;
  ForEachArc(slot.arcs, [&](int, int32_t a) { arcs.push_back(std::abs(a)); });
  std::sort(arcs.begin(), arcs.end());
  arcs.erase(std::unique(arcs.begin(), arcs.end()), arcs.end());
  return arcs;
}

void EnterRegion(WorkArea::ArcUsers& users, int32_t region, std::vector<int32_t> arcs) {
  const auto at = static_cast<std::size_t>(region);
  if (users.arcsOf.size() <= at) users.arcsOf.resize(at + 1);
  for (int32_t arc : users.arcsOf[at]) {
    std::vector<int32_t>& list = users.regionsOf[arc];
    list.erase(std::lower_bound(list.begin(), list.end(), region));
  }
  for (int32_t arc : arcs) {
    std::vector<int32_t>& list = users.regionsOf[arc];
    list.insert(std::lower_bound(list.begin(), list.end(), region), region);
  }
  users.arcsOf[at] = std::move(arcs);
}

}  // namespace

void KeepArcUsers(WorkArea& area, ChangeKind kind, const std::vector<int32_t>& ids) {
  if (!area.arcUsers.built) return;
  if (kind == ChangeKind::Cleared) {
    area.arcUsers = {};
    return;
  }
  if (kind != ChangeKind::Appended && kind != ChangeKind::Updated && kind != ChangeKind::Deleted) return;
  for (int32_t id : ids) {
    const RegionSlot* slot = area.regions.Live(id);
    EnterRegion(area.arcUsers, id, slot ? ArcsNamed(*slot) : std::vector<int32_t>{});
  }
}

std::vector<int32_t> RegionsUsingArc(const WorkArea& area, int32_t arc) {
  WorkArea::ArcUsers& users = area.arcUsers;
  if (!users.built) {
    users = {};
    users.built = true;
    for (int32_t id = 1; id < area.regions.bound(); ++id)
      EnterRegion(users, id, ArcsNamed(area.regions.slots[static_cast<std::size_t>(id)]));
  }
  const auto it = users.regionsOf.find(std::abs(arc));
  return it == users.regionsOf.end() ? std::vector<int32_t>{} : it->second;
}

}  // namespace zv::detail
