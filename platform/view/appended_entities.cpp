#include "platform/view/appended_entities.h"

#include <vector>

namespace zv {

AppendedEntities::AppendedEntities(WorkAreaHandle point, WorkAreaHandle line, WorkAreaHandle region)
    : parts_{{{point, kPointEntity}, {line, kLineEntity}, {region, kLineEntity}, {region, kRegionEntity}}} {
  for (Part& part : parts_) part.before = Bound(part);
}

void AppendedEntities::Push(GisUndo& undo) const {
  for (const Part& part : parts_) {
    std::vector<int32_t> ids;
    for (int32_t id = part.before, end = Bound(part); id < end; ++id) ids.push_back(id);
    if (!ids.empty()) undo.PushList(part.area, part.kind, ids, GisUndo::kAppended);
  }
}

int32_t AppendedEntities::Bound(const Part& part) {
  int32_t live = 0, bound = 1;
  BasGetEntityCount(part.area, part.kind, &live, &bound);
  return bound;
}

}  // namespace zv
