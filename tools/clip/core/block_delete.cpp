#include "tools/clip/core/block_delete.h"

#include <algorithm>
#include <cstdlib>
#include <map>
#include <set>

#include "platform/data/geometry.h"

namespace zv::tools {
namespace {

using Key = std::pair<WorkAreaHandle, int32_t>;

bool LineInWindow(WorkAreaHandle area, int32_t id, const D_RECT& window) {
  std::vector<D_DOT> vertices;
  return BasReadLine(area, id, &vertices, nullptr) && !vertices.empty() &&
         BasPolylineInRect(vertices.data(), static_cast<int32_t>(vertices.size()), window, 0) > 0;
}

// For each arc of the area, how many regions use it (a region using it
// twice counts twice), over the live regions for which `counted` holds.
template <typename Counted>
std::map<int32_t, int> ArcUse(WorkAreaHandle area, Counted counted) {
  std::map<int32_t, int> use;
  int32_t live = 0, bound = 0;
  BasGetRegionCount(area, &live, &bound);
  std::vector<int32_t> arcs;
  for (int32_t id = 1; id < bound; ++id) {
    if (!counted(id) || !BasReadRegion(area, id, &arcs, nullptr)) continue;
    for (std::size_t i = 1; i < arcs.size(); ++i)
      if (arcs[i] != 0) ++use[std::abs(arcs[i])];
  }
  return use;
}

}  // namespace

std::vector<ENTITY_MSG> BlockDeleteEntries(std::span<const ENTITY_MSG> selected,
                                           const std::vector<WorkAreaHandle>& regionAreas, const D_RECT& window) {
  std::set<Key> goingRegions, arcs;
  std::vector<ENTITY_MSG> out;
  std::set<std::tuple<WorkAreaHandle, int, int32_t>> seen;
  auto add = [&](const ENTITY_MSG& e) {
    if (seen.insert({e.area, e.type, e.id}).second) out.push_back(e);
  };
  for (const ENTITY_MSG& e : selected) {
    if (!BasIsWorkAreaValid(e.area)) continue;
    if (e.type == kRegionEntity) goingRegions.insert({e.area, e.id});
    add(e);
  }
  for (const WorkAreaHandle area : regionAreas) {
    if (!BasIsWorkAreaValid(area)) continue;
    int32_t live = 0, bound = 0;
    BasGetLineCount(area, &live, &bound);
    for (int32_t id = 1; id < bound; ++id)
      if (LineInWindow(area, id, window)) add({area, kLineEntity, id});
  }
  // The arcs of the selected regions that no other region uses.
  std::map<WorkAreaHandle, std::map<int32_t, int>> allUse;
  for (const auto& [area, region] : goingRegions) {
    if (BasGetWorkAreaType(area) != kRegionArea) continue;
    auto [it, fresh] = allUse.try_emplace(area);
    if (fresh) it->second = ArcUse(area, [](int32_t) { return true; });
    std::vector<int32_t> list;
    if (!BasReadRegion(area, region, &list, nullptr)) continue;
    for (std::size_t i = 1; i < list.size(); ++i)
      if (list[i] != 0 && it->second[std::abs(list[i])] < 2) add({area, kLineEntity, std::abs(list[i])});
  }
  // Arcs of regions that stay are kept.
  std::map<WorkAreaHandle, std::map<int32_t, int>> stayingUse;
  std::vector<ENTITY_MSG> kept;
  for (const ENTITY_MSG& e : out) {
    if (e.type == kLineEntity && BasGetWorkAreaType(e.area) == kRegionArea) {
      auto [it, fresh] = stayingUse.try_emplace(e.area);
      if (fresh) it->second = ArcUse(e.area, [&](int32_t id) { return goingRegions.count({e.area, id}) == 0; });
      if (it->second.count(e.id) != 0) continue;
    }
    kept.push_back(e);
  }
  return kept;
}

int DeleteEntries(std::span<const ENTITY_MSG> entries) {
  int deleted = 0;
  for (const ENTITY_MSG& e : entries) {
    if (!BasIsWorkAreaValid(e.area)) continue;
    const int done = e.type == kLineEntity    ? BasDeleteLine(e.area, e.id)
                     : e.type == kPointEntity ? BasDeletePoint(e.area, e.id)
                                              : BasDeleteRegion(e.area, e.id);
    deleted += done == 1;
  }
  return deleted;
}

}  // namespace zv::tools
