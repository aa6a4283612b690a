#pragma once
// Inside the library: how a work area holds its entities. Not for callers.

#include <any>
#include <bitset>
#include <map>
#include <memory>
#include <set>
#include <utility>
#include <unordered_map>
#include <vector>

#include "platform/data/line_box_index.h"
#include "platform/data/order_places.h"
#include "platform/data/table_area.h"
#include "platform/data/work_area.h"

namespace zv::detail {

struct PointSlot {
  bool live = false;
  D_DOT position{};
  std::string text;
  PNT_INFO info;
  std::vector<uint8_t> fileBytes;
};

struct LineSlot {
  bool live = false;
  std::vector<D_DOT> vertices;
  LIN_INFO info;
  std::vector<uint8_t> fileBytes;
};

struct RegionSlot {
  bool live = false;
  std::vector<int32_t> arcs;  // entry 0 is recomputed on every read
  REG_INFO info;
  std::vector<uint8_t> fileBytes;
};

// A table's record: it has no geometry, only its attribute record.
struct TableSlot {
  bool live = false;
  std::vector<uint8_t> fileBytes;
};

// The entities of one type: slot n holds id n (slot 0 unused), the
// attribute record of each slot, and the drawing order (which may still
// hold deleted ids; readers skip them) with the place of each id in it.
// The order is written only through the calls below, which keep `places`.
template <class Slot>
struct EntityStore {
  std::vector<Slot> slots = std::vector<Slot>(1);
  int32_t live = 0;
  std::shared_ptr<const CATT_STRU> structure;
  std::vector<std::vector<uint8_t>> records = std::vector<std::vector<uint8_t>>(1);
  std::vector<int32_t> order;
  OrderPlaces places;

  int32_t bound() const { return static_cast<int32_t>(slots.size()); }
  bool IsLive(int32_t id) const { return id > 0 && id < bound() && slots[static_cast<std::size_t>(id)].live; }
  Slot* Live(int32_t id) { return IsLive(id) ? &slots[static_cast<std::size_t>(id)] : nullptr; }
  const Slot* Live(int32_t id) const { return IsLive(id) ? &slots[static_cast<std::size_t>(id)] : nullptr; }
  void Clear() {
    slots.assign(1, Slot{});
    records.assign(1, {});
    order.clear();
    places.Clear();
    live = 0;
  }
  void PushOrder(int32_t id) {
    order.push_back(id);
    places.Appended(id, IsLive(id));
  }
  // The order rewritten: places are worked out again when next asked.
  template <class Rewrite>
  void RewriteOrder(Rewrite&& rewrite) {
    rewrite(order);
    places.MarkStale();
  }
  // Marks a live slot deleted; the caller tells of it.
  bool Drop(int32_t id) {
    Slot* slot = Live(id);
    if (!slot) return false;
    *slot = {};
    --live;
    places.Died(id);
    return true;
  }
  // The place of each id among the live ids in drawing order; −1 when not live.
  std::vector<int64_t> PlacesOf(const std::vector<int32_t>& ids) {
    if (places.Stale()) {
      std::vector<bool> alive(order.size());
      for (std::size_t i = 0; i < order.size(); ++i) alive[i] = IsLive(order[i]);
      places.Rebuild(order, alive);
    }
    std::vector<int64_t> out;
    out.reserve(ids.size());
    for (int32_t id : ids) out.push_back(IsLive(id) ? places.PlaceOf(id) : -1);
    return out;
  }
};

struct Listener {
  int id;
  ChangeListener call;
};

struct WorkArea {
  WorkAreaHandle handle = 0;
  WorkAreaSetHandle set = 0;
  int type = kPointArea;
  EntityStore<PointSlot> points;
  EntityStore<LineSlot> lines;
  EntityStore<RegionSlot> regions;
  EntityStore<TableSlot> rows;  // a table's records
  LineBoxIndex lineBoxes;       // built at the first rectangle question
  // Which regions name each arc, built at the first question and kept from
  // the region ids each change names: editing an arc of a large region file
  // refreshes the regions using it without reading every region. Each
  // region's arcs as entered, so a change can take them out again.
  struct ArcUsers {
    bool built = false;
    std::unordered_map<int32_t, std::vector<int32_t>> regionsOf;  // ascending
    std::vector<std::vector<int32_t>> arcsOf;                     // by region id
  };
  mutable ArcUsers arcUsers;
  uint64_t revision = 0;
  bool modified = false;
  int mode = 0;
  int state = 0;
  std::string fileName;
  MapParams mapParams;
  std::any fileState;
  std::bitset<65536> layersOff;
  int batchDepth = 0;
  std::map<std::pair<int, ChangeKind>, std::set<int32_t>> pending;
  // Arcs changed inside the batch: the regions using them are refreshed and
  // told once, at its end.
  std::set<int32_t> pendingArcs;
  std::vector<Listener> listeners;

  bool HoldsPoints() const { return type == kPointArea; }
  bool HoldsLines() const { return type == kLineArea || type == kRegionArea; }
  bool HoldsRegions() const { return type == kRegionArea; }
  bool HoldsRows() const { return type == kTableArea; }
  bool Holds(int entityType) const {
    switch (entityType) {
      case kPointEntity: return HoldsPoints();
      case kLineEntity: return HoldsLines();
      case kRegionEntity: return HoldsRegions();
      case kTableEntity: return HoldsRows();
      default: return false;
    }
  }
};

// Sets what BasLastRefusal tells; an empty text clears it. Refuse returns 0
// so a call can `return Refuse(...)`.
void SetRefusal(std::string text);
inline int Refuse(std::string text) {
  SetRefusal(std::move(text));
  return 0;
}

// The open work area of a handle, or null.
WorkArea* FindArea(WorkAreaHandle handle);

// Records a change: bumps the revision, marks the area modified and tells
// the listeners (now, or at the end of the batch).
void NoteChange(WorkArea& area, int entityType, ChangeKind kind, std::vector<int32_t> ids);

// Keeps the line boxes of a built index up to date with a change to lines.
void KeepLineBoxes(WorkArea& area, ChangeKind kind, const std::vector<int32_t>& ids);
// Keeps a built arc-users index up to date with a change to regions.
void KeepArcUsers(WorkArea& area, ChangeKind kind, const std::vector<int32_t>& ids);

// The attribute bytes of an entity type's table and its structure.
template <class F>
decltype(auto) WithStore(WorkArea& area, int entityType, F&& f) {
  if (entityType == kPointEntity) return f(area.points);
  if (entityType == kRegionEntity) return f(area.regions);
  if (entityType == kTableEntity) return f(area.rows);
  return f(area.lines);
}

// A new record for a just-appended entity of the type, customary measures
// filled; or refreshes those measures after an update.
void InitRecord(WorkArea& area, int entityType, int32_t id);
void RefreshMeasures(WorkArea& area, int entityType, int32_t id);
// Regions of the area whose arc list uses the arc.
std::vector<int32_t> RegionsUsingArc(const WorkArea& area, int32_t arc);

// The arc list of a region with entry 0 computed.
std::vector<int32_t> ArcListWithTotal(const WorkArea& area, const std::vector<int32_t>& arcs);
// The rings of an arc list; rings whose arcs are all missing are left out.
struct Ring {
  std::vector<D_DOT> vertices;  // closed
  std::vector<int32_t> arcs;    // the signed arcs that drew it
};
std::vector<Ring> BuildRingsWithArcs(const WorkArea& area, const std::vector<int32_t>& arcs);
std::vector<std::vector<D_DOT>> BuildRings(const WorkArea& area, const std::vector<int32_t>& arcs);

// Back to the state of a new area (structures, layers, map parameters …).
void InitialiseArea(WorkArea& area);
// The customary attribute structures; records are the caller's business.
void ResetStructures(WorkArea& area);

}  // namespace zv::detail
