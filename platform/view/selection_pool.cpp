#include "platform/view/selection_pool.h"

#include <algorithm>

namespace zv {

bool SelectionPool::Contains(const ENTITY_MSG& entry) const {
  return std::find(entries_.begin(), entries_.end(), entry) != entries_.end();
}

int32_t SelectionPool::Add(const ENTITY_MSG* entries, int32_t count) {
  int32_t added = 0;
  for (int32_t i = 0; entries && i < count; ++i) {
    if (Contains(entries[i])) continue;
    entries_.push_back(entries[i]);
    ++added;
  }
  if (added > 0) ++revision_;
  return added;
}

void SelectionPool::Toggle(const std::vector<ENTITY_MSG>& entries) {
  for (const ENTITY_MSG& e : entries) {
    auto it = std::find(entries_.begin(), entries_.end(), e);
    if (it == entries_.end())
      entries_.push_back(e);
    else
      entries_.erase(it);
  }
  if (!entries.empty()) ++revision_;
}

void SelectionPool::DropDead() {
  if (std::erase_if(entries_, [](const ENTITY_MSG& e) { return !BasIsEntityLive(e.area, e.type, e.id); }) > 0)
    ++revision_;
}

}  // namespace zv
