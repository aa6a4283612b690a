#pragma once
// The selection pool of a view: the picked entities, in the order picked.
// Callers read the count and the array directly; 0 entries means nothing was
// picked. An entity is held at most once.

#include <cstdint>
#include <span>
#include <vector>

#include "platform/data/work_area.h"

namespace zv {

class SelectionPool {
 public:
  int32_t count() const { return static_cast<int32_t>(entries_.size()); }
  bool empty() const { return entries_.empty(); }
  // The array, null when empty.
  const ENTITY_MSG* data() const { return entries_.empty() ? nullptr : entries_.data(); }
  std::span<const ENTITY_MSG> entries() const { return entries_; }

  // Adds the entries not held yet; the number added.
  int32_t Add(const ENTITY_MSG* entries, int32_t count);
  int32_t Add(const ENTITY_MSG& entry) { return Add(&entry, 1); }
  // Adds the entries not held and removes those held (a shift-click).
  void Toggle(const std::vector<ENTITY_MSG>& entries);
  bool Contains(const ENTITY_MSG& entry) const;
  void Clear() {
    entries_.clear();
    ++revision_;
  }
  // Drops the entries whose work area is gone or whose entity is no longer live.
  void DropDead();
  // Grows with every change of the entries, so readers can keep what they
  // computed from them until it moves.
  uint64_t revision() const { return revision_; }

 private:
  std::vector<ENTITY_MSG> entries_;
  uint64_t revision_ = 0;
};

}  // namespace zv
