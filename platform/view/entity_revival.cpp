// Bringing a deleted entity back at its own id. The data library has no call
// for this, so this file reaches into its store the way its own append does.
#include <algorithm>

#include "platform/data/work_area_store.h"
#include "platform/view/entity_snapshot.h"

namespace zv {

namespace {

template <class Store, class Slot>
bool Revive(detail::WorkArea& area, int type, Store& store, int32_t id, Slot slot) {
  if (id <= 0 || id >= store.bound() || store.IsLive(id)) return false;
  slot.live = true;
  store.slots[static_cast<std::size_t>(id)] = std::move(slot);
  ++store.live;
  if (std::find(store.order.begin(), store.order.end(), id) == store.order.end()) store.order.push_back(id);
  detail::InitRecord(area, type, id);
  detail::NoteChange(area, type, ChangeKind::Appended, {id});
  return true;
}

}  // namespace

bool ReviveEntity(const EntitySnapshot& s) {
  detail::WorkArea* area = detail::FindArea(s.entity.area);
  if (!area || !area->Holds(s.entity.type)) return false;
  const int32_t id = s.entity.id;
  switch (s.entity.type) {
    case kPointEntity:
      return Revive(*area, kPointEntity, area->points, id, detail::PointSlot{true, s.position, s.text, s.pointInfo, {}});
    case kLineEntity:
      return Revive(*area, kLineEntity, area->lines, id, detail::LineSlot{true, s.vertices, s.lineInfo, {}});
    case kRegionEntity:
      return Revive(*area, kRegionEntity, area->regions, id, detail::RegionSlot{true, s.arcs, s.regionInfo, {}});
    default:
      return false;
  }
}

}  // namespace zv
