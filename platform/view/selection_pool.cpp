#include "platform/view/selection_pool.h"

#include <algorithm>
#include <unordered_set>

namespace zv {

bool SelectionPool::Contains(const ENTITY_MSG& entry) const {
  return std::find(entries_.begin(), entries_.end(), entry) != entries_.end();
}

int32_t SelectionPool::Add(const ENTITY_MSG* entries, int32_t count) {
  int32_t added = 0;
  if (!entries || count <= 0) return 0;
  // Many entries into a large pool: one look-up table instead of a search
  // of the pool per entry.
  constexpr int64_t kSearchLimit = 4096;
  if (static_cast<int64_t>(count) * static_cast<int64_t>(entries_.size() + 1) > kSearchLimit) {
    const auto key = [](const ENTITY_MSG& e) {
      return (static_cast<uint64_t>(e.area) << 48) ^ (static_cast<uint64_t>(static_cast<uint16_t>(e.type)) << 32) ^
             static_cast<uint32_t>(e.id);
    };
    std::unordered_set<uint64_t> held;
    held.reserve(entries_.size() + static_cast<std::size_t>(count));
    for (const ENTITY_MSG& e : entries_) held.insert(key(e));
    for (int32_t i = 0; i < count; ++i) {
      if (!held.insert(key(entries[i])).second) continue;
      entries_.push_back(entries[i]);
      ++added;
    }
  } else {
    for (int32_t i = 0; i < count; ++i) {
      if (Contains(entries[i])) continue;
      entries_.push_back(entries[i]);
      ++added;
    }
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
