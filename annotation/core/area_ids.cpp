#include "annotation/core/area_ids.h"

#include <algorithm>

namespace zv::annot {

int32_t IdBound(WorkAreaHandle area, int entityType) {
  int32_t live = 0, bound = 0;
  BasGetEntityCount(area, entityType, &live, &bound);
  return bound;
}

int32_t LiveCount(WorkAreaHandle area, int entityType) {
  int32_t live = 0, bound = 0;
  BasGetEntityCount(area, entityType, &live, &bound);
  return live;
}

std::vector<int32_t> LiveIdsFrom(WorkAreaHandle area, int entityType, int32_t boundBefore) {
  std::vector<int32_t> ids;
  const int32_t bound = IdBound(area, entityType);
  for (int32_t id = std::max(boundBefore, 1); id < bound; ++id)
    if (BasIsEntityLive(area, entityType, id)) ids.push_back(id);
  return ids;
}

}  // namespace zv::annot
