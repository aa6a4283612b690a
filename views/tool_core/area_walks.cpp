#include "views/tool_core/area_walks.h"

#include <algorithm>
#include <unordered_set>

namespace zv::toolview {
namespace {

struct EntityHash {
  std::size_t operator()(const ENTITY_MSG& e) const noexcept {
    return std::hash<int64_t>()((static_cast<int64_t>(e.area) << 40) ^ (static_cast<int64_t>(e.type) << 32) ^
                                static_cast<uint32_t>(e.id));
  }
};

constexpr int kInvertOrder[] = {kPointEntity, kLineEntity, kRegionEntity};

}  // namespace

int NumberEntityIds(WorkAreaHandle area, int entityType) {
  int32_t live = 0, bound = 0;
  if (BasGetEntityCount(area, entityType, &live, &bound) != 1) return 0;
  int written = 0;
  BasBeginBatch(area);
  for (int32_t id = 1; id < bound; ++id) {
    AttributeRecord record;
    if (BasReadAttribute(area, entityType, id, &record) != 1) continue;
    if (!BasSetFieldByIndex(record, 0, static_cast<double>(id))) continue;
    written += BasWriteAttribute(area, entityType, id, record);
  }
  BasEndBatch(area);
  return written;
}

WorkAreaHandle CurrentAreas::OfType(int entityType) const {
  // Entity types 0 line, 1 point, 2 region.
  const WorkAreaHandle byType[] = {line, point, region};
  return entityType >= 0 && entityType < 3 ? byType[entityType] : 0;
}

std::vector<ENTITY_MSG> InvertedPool(std::span<const ENTITY_MSG> pool, const CurrentAreas& areas) {
  const std::unordered_set<ENTITY_MSG, EntityHash> held(pool.begin(), pool.end());
  std::vector<ENTITY_MSG> inverted;
  for (const int type : kInvertOrder) {
    const bool heldType = std::any_of(pool.begin(), pool.end(), [type](const ENTITY_MSG& e) { return e.type == type; });
    const WorkAreaHandle area = areas.OfType(type);
    int32_t live = 0, bound = 0;
    if (!heldType || BasGetEntityCount(area, type, &live, &bound) != 1) continue;
    for (int32_t id = 1; id < bound; ++id) {
      const ENTITY_MSG entity{area, static_cast<int16_t>(type), id};
      if (BasIsEntityLive(area, type, id) != 0 && !held.contains(entity)) inverted.push_back(entity);
    }
  }
  return inverted;
}

}  // namespace zv::toolview
