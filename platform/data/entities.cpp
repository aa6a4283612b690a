// Appending, reading, updating and deleting points, lines and regions.
#include <algorithm>

#include "framework/text/encoding.h"
#include "framework/text/numbers.h"
#include "platform/data/work_area_store.h"

namespace zv {

using detail::FindArea;
using detail::WorkArea;

namespace {

WorkArea* AreaHolding(WorkAreaHandle handle, int entityType) {
  WorkArea* area = FindArea(handle);
  return area && area->Holds(entityType) ? area : nullptr;
}

template <class Store, class Slot>
int32_t AppendSlot(WorkArea& area, int entityType, Store& store, Slot slot) {
  slot.live = true;
  store.slots.push_back(std::move(slot));
  ++store.live;
  const int32_t id = store.bound() - 1;
  // The order keeps deleted ids until it grows well past the live ones.
  if (store.order.size() > 2 * static_cast<std::size_t>(store.live) + 64)
    store.RewriteOrder([&store](std::vector<int32_t>& order) {
      std::erase_if(order, [&store](int32_t old) { return !store.IsLive(old); });
    });
  store.PushOrder(id);
  detail::InitRecord(area, entityType, id);
  detail::NoteChange(area, entityType, ChangeKind::Appended, {id});
  return id;
}

// Whether a point file can hold the text; refuses it (for BasLastRefusal)
// when not, rather than let the save cut it.
bool PointTextFits(std::string_view text) {
  const std::size_t bytes = zv::text::GbkLength(text);
  if (bytes <= kMaxPointTextBytes) {
    detail::SetRefusal({});
    return true;
  }
  detail::Refuse("注释文本长 " + num::FormatInt(static_cast<long>(bytes)) + " 字节，超过点文件能存的 " +
                 num::FormatInt(static_cast<long>(kMaxPointTextBytes)) + " 字节");
  return false;
}

// Marks the slot deleted; the caller tells of it.
template <class Store>
bool DropSlot(Store& store, int32_t id) {
  if (!store.Drop(id)) return false;
  if (static_cast<std::size_t>(id) < store.records.size() && !store.records[static_cast<std::size_t>(id)].empty())
    store.records[static_cast<std::size_t>(id)][0] = 0;
  return true;
}

template <class Store>
int DeleteSlot(WorkArea& area, int entityType, Store& store, int32_t id) {
  if (!DropSlot(store, id)) return 0;
  detail::NoteChange(area, entityType, ChangeKind::Deleted, {id});
  return 1;
}

// Arc lists must name at least one arc, and only live lines of the area.
bool ValidArcList(const WorkArea& area, const int32_t* arcs, int32_t count) {
  if (!arcs || count < 2) return false;
  bool any = false;
  for (int32_t i = 1; i < count; ++i) {
    if (arcs[i] == 0) continue;
    if (arcs[i] == INT32_MIN || !area.lines.IsLive(std::abs(arcs[i]))) return false;
    any = true;
  }
  return any;
}

// Tells of a changed arc and of the regions that use it, whose measures
// are refreshed first. A listener may release the area, so it is looked up
// again between the two. Inside a batch the regions are found once, at its
// end, for every arc changed meanwhile: a loop over many arcs does not
// search every region for each.
void NoteArcChange(WorkAreaHandle handle, int32_t arc, ChangeKind kind) {
  WorkArea* area = FindArea(handle);
  if (area->batchDepth > 0 && area->HoldsRegions()) {
    area->pendingArcs.insert(arc);
    detail::NoteChange(*area, kLineEntity, kind, {arc});
    return;
  }
  std::vector<int32_t> regions;
  if (area->HoldsRegions()) regions = detail::RegionsUsingArc(*area, arc);
  for (int32_t region : regions) detail::RefreshMeasures(*area, kRegionEntity, region);
  detail::NoteChange(*area, kLineEntity, kind, {arc});
  area = FindArea(handle);
  if (area && !regions.empty()) detail::NoteChange(*area, kRegionEntity, ChangeKind::Updated, regions);
}

}  // namespace

int32_t BasAppendDeletedId(WorkAreaHandle handle, int entityType) {
  WorkArea* area = AreaHolding(handle, entityType);
  if (!area) return 0;
  const int32_t id = detail::WithStore(*area, entityType, [](auto& store) {
    store.slots.emplace_back();
    store.records.resize(store.slots.size());
    return store.bound() - 1;
  });
  detail::NoteChange(*area, entityType, ChangeKind::Deleted, {id});
  return id;
}

// ---- points

int32_t BasAppendPoint(WorkAreaHandle handle, const D_DOT& position, std::string_view text, const PNT_INFO& info) {
  WorkArea* area = AreaHolding(handle, kPointEntity);
  if (!PointTextFits(text) || !area) return 0;
  return AppendSlot(*area, kPointEntity, area->points, detail::PointSlot{true, position, std::string(text), info, {}});
}

int BasReadPoint(WorkAreaHandle handle, int32_t id, D_DOT* position, std::string* text, PNT_INFO* info) {
  WorkArea* area = AreaHolding(handle, kPointEntity);
  const detail::PointSlot* slot = area ? area->points.Live(id) : nullptr;
  if (!slot) return 0;
  if (position) *position = slot->position;
  if (text) *text = slot->text;
  if (info) *info = slot->info;
  return 1;
}

int BasReadPointPos(WorkAreaHandle handle, int32_t id, D_DOT* position) {
  return BasReadPoint(handle, id, position, nullptr, nullptr);
}

int BasUpdatePoint(WorkAreaHandle handle, int32_t id, const D_DOT& position, std::string_view text, const PNT_INFO& info) {
  WorkArea* area = AreaHolding(handle, kPointEntity);
  detail::PointSlot* slot = area ? area->points.Live(id) : nullptr;
  if (!PointTextFits(text) || !slot) return 0;
  slot->position = position;
  slot->text = text;
  slot->info = info;
  detail::NoteChange(*area, kPointEntity, ChangeKind::Updated, {id});
  return 1;
}

int BasWritePointPos(WorkAreaHandle handle, int32_t id, const D_DOT& position) {
  WorkArea* area = AreaHolding(handle, kPointEntity);
  detail::PointSlot* slot = area ? area->points.Live(id) : nullptr;
  if (!slot) return 0;
  slot->position = position;
  detail::NoteChange(*area, kPointEntity, ChangeKind::Updated, {id});
  return 1;
}

int BasDeletePoint(WorkAreaHandle handle, int32_t id) {
  WorkArea* area = AreaHolding(handle, kPointEntity);
  return area ? DeleteSlot(*area, kPointEntity, area->points, id) : 0;
}

// ---- lines

int32_t BasAppendLine(WorkAreaHandle handle, const D_DOT* vertices, int32_t count, const LIN_INFO& info) {
  WorkArea* area = AreaHolding(handle, kLineEntity);
  if (!area || !vertices || count < 1) return 0;
  return AppendSlot(*area, kLineEntity, area->lines,
                    detail::LineSlot{true, std::vector<D_DOT>(vertices, vertices + count), info, {}});
}

int32_t BasAppendLine(WorkAreaHandle handle, const std::vector<D_DOT>& vertices, const LIN_INFO& info) {
  return BasAppendLine(handle, vertices.data(), static_cast<int32_t>(vertices.size()), info);
}

int BasReadLine(WorkAreaHandle handle, int32_t id, std::vector<D_DOT>* vertices, LIN_INFO* info) {
  WorkArea* area = AreaHolding(handle, kLineEntity);
  const detail::LineSlot* slot = area ? area->lines.Live(id) : nullptr;
  if (!slot) return 0;
  if (vertices) *vertices = slot->vertices;
  if (info) *info = slot->info;
  return 1;
}

int BasUpdateLine(WorkAreaHandle handle, int32_t id, const D_DOT* vertices, int32_t count, const LIN_INFO& info) {
  WorkArea* area = AreaHolding(handle, kLineEntity);
  detail::LineSlot* slot = area ? area->lines.Live(id) : nullptr;
  if (!slot || !vertices || count < 1) return 0;
  slot->vertices.assign(vertices, vertices + count);
  slot->info = info;
  detail::RefreshMeasures(*area, kLineEntity, id);
  NoteArcChange(handle, id, ChangeKind::Updated);
  return 1;
}

int BasUpdateLine(WorkAreaHandle handle, int32_t id, const std::vector<D_DOT>& vertices, const LIN_INFO& info) {
  return BasUpdateLine(handle, id, vertices.data(), static_cast<int32_t>(vertices.size()), info);
}

int BasDeleteLine(WorkAreaHandle handle, int32_t id) {
  WorkArea* area = AreaHolding(handle, kLineEntity);
  if (!area || !DropSlot(area->lines, id)) return 0;
  NoteArcChange(handle, id, ChangeKind::Deleted);
  return 1;
}

// ---- regions

int32_t BasAppendRegion(WorkAreaHandle handle, const int32_t* arcs, int32_t count, const REG_INFO& info) {
  WorkArea* area = AreaHolding(handle, kRegionEntity);
  if (!area || !ValidArcList(*area, arcs, count)) return 0;
  return AppendSlot(*area, kRegionEntity, area->regions,
                    detail::RegionSlot{true, std::vector<int32_t>(arcs, arcs + count), info, {}});
}

int32_t BasAppendRegion(WorkAreaHandle handle, const std::vector<int32_t>& arcs, const REG_INFO& info) {
  return BasAppendRegion(handle, arcs.data(), static_cast<int32_t>(arcs.size()), info);
}

int BasReadRegion(WorkAreaHandle handle, int32_t id, std::vector<int32_t>* arcs, REG_INFO* info) {
  WorkArea* area = AreaHolding(handle, kRegionEntity);
  const detail::RegionSlot* slot = area ? area->regions.Live(id) : nullptr;
  if (!slot) return 0;
  if (arcs) *arcs = detail::ArcListWithTotal(*area, slot->arcs);
  if (info) *info = slot->info;
  return 1;
}

int BasUpdateRegion(WorkAreaHandle handle, int32_t id, const std::vector<int32_t>& arcs, const REG_INFO& info) {
  WorkArea* area = AreaHolding(handle, kRegionEntity);
  detail::RegionSlot* slot = area ? area->regions.Live(id) : nullptr;
  if (!slot || !ValidArcList(*area, arcs.data(), static_cast<int32_t>(arcs.size()))) return 0;
  slot->arcs = arcs;
  slot->info = info;
  detail::RefreshMeasures(*area, kRegionEntity, id);
  detail::NoteChange(*area, kRegionEntity, ChangeKind::Updated, {id});
  return 1;
}

int BasDeleteRegion(WorkAreaHandle handle, int32_t id) {
  WorkArea* area = AreaHolding(handle, kRegionEntity);
  return area ? DeleteSlot(*area, kRegionEntity, area->regions, id) : 0;
}

int BasGetRegionRings(WorkAreaHandle handle, int32_t id, std::vector<std::vector<D_DOT>>* rings) {
  WorkArea* area = AreaHolding(handle, kRegionEntity);
  const detail::RegionSlot* slot = area ? area->regions.Live(id) : nullptr;
  if (!slot) return 0;
  if (rings) *rings = detail::BuildRings(*area, slot->arcs);
  return 1;
}

// ---- bringing a deleted entity back

namespace {

// Puts the id back in the drawing order before the live entity that holds
// `index` among the live ids now, or last.
template <class Store>
void PlaceInOrder(Store& store, int32_t id, int64_t index) {
  store.RewriteOrder([&](std::vector<int32_t>& order) {
    std::erase(order, id);
    auto at = order.end();
    if (index >= 0) {
      int64_t seen = 0;
      for (auto it = order.begin(); it != order.end(); ++it) {
        if (!store.IsLive(*it)) continue;
        if (seen++ == index) {
          at = it;
          break;
        }
      }
    }
    order.insert(at, id);
  });
}

template <class Store, class Slot>
bool ReviveSlot(WorkArea& area, int entityType, Store& store, int32_t id, Slot slot, int64_t orderIndex) {
  if (id <= 0 || id >= store.bound() || store.IsLive(id)) return false;
  slot.live = true;
  store.slots[static_cast<std::size_t>(id)] = std::move(slot);
  ++store.live;
  PlaceInOrder(store, id, orderIndex);
  detail::InitRecord(area, entityType, id);
  detail::NoteChange(area, entityType, ChangeKind::Appended, {id});
  return true;
}

bool Revive(WorkArea& area, int entityType, int32_t id, const EntityContent& c) {
  switch (entityType) {
    case kPointEntity:
      return ReviveSlot(area, entityType, area.points, id, detail::PointSlot{true, c.position, c.text, c.pointInfo, {}},
                        c.orderIndex);
    case kLineEntity:
      return !c.vertices.empty() &&
             ReviveSlot(area, entityType, area.lines, id, detail::LineSlot{true, c.vertices, c.lineInfo, {}},
                        c.orderIndex);
    case kRegionEntity:
      return ValidArcList(area, c.arcs.data(), static_cast<int32_t>(c.arcs.size())) &&
             ReviveSlot(area, entityType, area.regions, id, detail::RegionSlot{true, c.arcs, c.regionInfo, {}},
                        c.orderIndex);
    default: return false;
  }
}

}  // namespace

int BasRestoreEntity(WorkAreaHandle handle, int entityType, int32_t id, const EntityContent& content) {
  WorkArea* area = AreaHolding(handle, entityType);
  if (!area) return 0;
  // One notice per kind of change, after the record is in place.
  BasBeginBatch(handle);
  const bool revived = Revive(*area, entityType, id, content);
  if (revived && content.attribute) BasWriteAttribute(handle, entityType, id, *content.attribute);
  BasEndBatch(handle);
  return revived ? 1 : 0;
}

// ---- parameters by id

int BasReadPointParam(WorkAreaHandle area, int32_t id, PNT_INFO* info) {
  return BasReadPoint(area, id, nullptr, nullptr, info);
}
int BasReadLineParam(WorkAreaHandle handle, int32_t id, LIN_INFO* info) {
  WorkArea* area = AreaHolding(handle, kLineEntity);
  const detail::LineSlot* slot = area ? area->lines.Live(id) : nullptr;
  if (!slot) return 0;
  if (info) *info = slot->info;
  return 1;
}
int BasReadRegionParam(WorkAreaHandle handle, int32_t id, REG_INFO* info) {
  WorkArea* area = AreaHolding(handle, kRegionEntity);
  const detail::RegionSlot* slot = area ? area->regions.Live(id) : nullptr;
  if (!slot) return 0;
  if (info) *info = slot->info;
  return 1;
}

namespace {
template <class Store, class Info>
int WriteParam(WorkAreaHandle handle, int entityType, Store WorkArea::*member, int32_t id, const Info& info) {
  WorkArea* area = AreaHolding(handle, entityType);
  auto* slot = area ? (area->*member).Live(id) : nullptr;
  if (!slot) return 0;
  slot->info = info;
  detail::NoteChange(*area, entityType, ChangeKind::Updated, {id});
  return 1;
}
}  // namespace

int BasWritePointParam(WorkAreaHandle area, int32_t id, const PNT_INFO& info) {
  return WriteParam(area, kPointEntity, &WorkArea::points, id, info);
}
int BasWriteLineParam(WorkAreaHandle area, int32_t id, const LIN_INFO& info) {
  return WriteParam(area, kLineEntity, &WorkArea::lines, id, info);
}
int BasWriteRegionParam(WorkAreaHandle area, int32_t id, const REG_INFO& info) {
  return WriteParam(area, kRegionEntity, &WorkArea::regions, id, info);
}

// ---- file bytes kept per entity

bool BasSetEntityFileBytes(WorkAreaHandle handle, int entityType, int32_t id, std::vector<uint8_t> bytes) {
  WorkArea* area = AreaHolding(handle, entityType);
  if (!area) return false;
  return detail::WithStore(*area, entityType, [&](auto& store) {
    auto* slot = store.Live(id);
    if (!slot) return false;
    slot->fileBytes = std::move(bytes);
    return true;
  });
}

const std::vector<uint8_t>* BasGetEntityFileBytes(WorkAreaHandle handle, int entityType, int32_t id) {
  WorkArea* area = AreaHolding(handle, entityType);
  if (!area) return nullptr;
  return detail::WithStore(*area, entityType, [&](auto& store) -> const std::vector<uint8_t>* {
    const auto* slot = store.Live(id);
    return slot ? &slot->fileBytes : nullptr;
  });
}

}  // namespace zv
