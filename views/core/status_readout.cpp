#include "views/core/status_readout.h"

#include <algorithm>
#include <unordered_map>

#include "framework/text/numbers.h"

namespace zv::views {

PoolCounts CountPool(std::span<const ENTITY_MSG> pool) {
  PoolCounts c;
  for (const ENTITY_MSG& e : pool) {
    if (BasIsWorkAreaValid(e.area) == 0) continue;
    if (e.type == kLineEntity) {
      ++c.lines;
    } else if (e.type == kRegionEntity) {
      ++c.regions;
    } else if (e.type == kPointEntity) {
      PNT_INFO info;
      if (BasReadPointParam(e.area, e.id, &info) != 1) continue;
      if (info.kind() == 0) ++c.texts;
      if (info.kind() == 1) ++c.subGraphs;
    }
  }
  return c;
}

std::string LayerText(int layer, const std::string& name) {
  return num::Format("当前图层: 第%d层,(%s)", layer, name.c_str());
}

bool MarkSelectedProjectItems(const MapProject* project, std::span<const ENTITY_MSG> pool, ItemFlags& flags) {
  if (pool.empty()) return false;
  flags.fill(0);
  // The first item of each area; items past the flags' end are never marked.
  std::unordered_map<WorkAreaHandle, int> firstItem;
  const int items = std::min(PrjGetItemCount(project), static_cast<int>(kItemFlagCount));
  for (int i = 0; i < items; ++i) firstItem.try_emplace(PrjGetItemArea(project, i), i);
  const int all = PrjGetItemCount(project);
  for (int i = items; i < all; ++i) firstItem.try_emplace(PrjGetItemArea(project, i), -1);
  WorkAreaHandle last = 0;
  for (const ENTITY_MSG& e : pool) {
    if (e.area == last) continue;
    last = e.area;
    const auto it = firstItem.find(e.area);
    if (it != firstItem.end() && it->second >= 0) flags[static_cast<std::size_t>(it->second)] = 1;
  }
  return true;
}

bool StatusCache::Key::Matches(uint64_t poolRevision) const {
  if (!valid || pool != poolRevision) return false;
  return std::all_of(areas.begin(), areas.end(), [](const auto& a) { return BasGetRevision(a.first) == a.second; });
}

void StatusCache::Key::Take(std::span<const ENTITY_MSG> entries, uint64_t poolRevision) {
  pool = poolRevision;
  areas.clear();
  for (const ENTITY_MSG& e : entries)
    if (std::none_of(areas.begin(), areas.end(), [&e](const auto& a) { return a.first == e.area; }))
      areas.emplace_back(e.area, BasGetRevision(e.area));
  valid = true;
}

const PoolCounts& StatusCache::Counts(std::span<const ENTITY_MSG> pool, uint64_t poolRevision) {
  if (!countKey_.Matches(poolRevision)) {
    counts_ = CountPool(pool);
    countKey_.Take(pool, poolRevision);
    ++recounts_;
  }
  return counts_;
}

bool StatusCache::ItemMarks(const MapProject* project, std::span<const ENTITY_MSG> pool, uint64_t poolRevision,
                            ItemFlags& flags) {
  std::vector<WorkAreaHandle> items;
  const int count = PrjGetItemCount(project);
  items.reserve(static_cast<std::size_t>(std::max(count, 0)));
  for (int i = 0; i < count; ++i) items.push_back(PrjGetItemArea(project, i));
  if (!markKey_.Matches(poolRevision) || project != markProject_ || items != markItems_) {
    marked_ = MarkSelectedProjectItems(project, pool, marks_);
    markKey_.Take(pool, poolRevision);
    markProject_ = project;
    markItems_ = std::move(items);
  }
  if (marked_) flags = marks_;
  return marked_;
}

}  // namespace zv::views
