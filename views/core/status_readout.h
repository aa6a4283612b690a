#pragma once
// What the editing views show in the status bar on every mouse move: the
// selection pool counted by kind, the current-layer text, and (plan view)
// the project items whose files hold the selected entities. No Qt.
//
// Counting: entries whose work area is not open are skipped; a line entry
// counts as a line, a region entry as a region, a point entry by its kind
// byte (0 texts, 1 sub-graphs; other kinds are not counted).
//
// The counts and the item flags change only when the pool or one of the
// work areas it names changes, so StatusCache keeps them and counts again
// only then: a mouse move over a large selection costs a few comparisons.

#include <array>
#include <cstdint>
#include <span>
#include <string>
#include <vector>

#include "platform/data/work_area.h"
#include "platform/project/map_project.h"

namespace zv::views {

struct PoolCounts {
  int texts = 0;      // points of kind 0
  int subGraphs = 0;  // points of kind 1
  int lines = 0;
  int regions = 0;
  friend bool operator==(const PoolCounts&, const PoolCounts&) = default;
};

PoolCounts CountPool(std::span<const ENTITY_MSG> pool);

// "当前图层: 第%d层,(%s)".
std::string LayerText(int layer, const std::string& name);

// The project list's flags: one per item, the first 200 items only.
inline constexpr std::size_t kItemFlagCount = 200;
using ItemFlags = std::array<uint8_t, kItemFlagCount>;

// With an empty pool: false, flags untouched. Otherwise the flags are
// cleared and each entry flags the first item whose work area is the
// entry's area; true.
bool MarkSelectedProjectItems(const MapProject* project, std::span<const ENTITY_MSG> pool, ItemFlags& flags);

class StatusCache {
 public:
  // The counts of the pool, counted again only when the pool's revision or
  // a named area's revision moved since the last call.
  const PoolCounts& Counts(std::span<const ENTITY_MSG> pool, uint64_t poolRevision);
  // The item flags (as MarkSelectedProjectItems), kept while the pool, its
  // areas and the project's item areas stay as they were.
  bool ItemMarks(const MapProject* project, std::span<const ENTITY_MSG> pool, uint64_t poolRevision,
                 ItemFlags& flags);
  int recounts() const { return recounts_; }

 private:
  struct Key {
    uint64_t pool = 0;
    std::vector<std::pair<WorkAreaHandle, uint64_t>> areas;  // distinct areas with their revisions
    bool valid = false;
    bool Matches(uint64_t poolRevision) const;
    void Take(std::span<const ENTITY_MSG> pool, uint64_t poolRevision);
  };
  Key countKey_;
  PoolCounts counts_;
  Key markKey_;
  std::vector<WorkAreaHandle> markItems_;
  const MapProject* markProject_ = nullptr;
  bool marked_ = false;
  ItemFlags marks_{};
  int recounts_ = 0;
};

}  // namespace zv::views
