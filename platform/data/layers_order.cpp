// Layers on and off, and the drawing order of each entity type.
#include <algorithm>
#include <unordered_set>

#include "platform/data/work_area_store.h"

namespace zv {

using detail::FindArea;
using detail::WorkArea;

namespace {

std::size_t LayerBit(int layer) { return static_cast<uint16_t>(static_cast<int16_t>(layer)); }

// Calls f(layer) for the layer of every live entity of the area.
template <class F>
void ForEachLayer(const WorkArea& area, F&& f) {
  for (const auto& slot : area.points.slots) if (slot.live) f(slot.info.layer());
  for (const auto& slot : area.lines.slots) if (slot.live) f(slot.info.layer());
  for (const auto& slot : area.regions.slots) if (slot.live) f(slot.info.layer());
}

template <class Store>
std::vector<int32_t> LiveOrder(const Store& store) {
  std::vector<int32_t> order;
  order.reserve(static_cast<std::size_t>(store.live));
  for (int32_t id : store.order) if (store.IsLive(id)) order.push_back(id);
  return order;
}

// Moves the listed live ids to the front or the back of the order, keeping
// their relative order.
bool MoveInOrder(WorkAreaHandle handle, int entityType, const std::vector<int32_t>& ids, bool toFront) {
  WorkArea* area = FindArea(handle);
  if (!area || !area->Holds(entityType)) return false;
  return detail::WithStore(*area, entityType, [&](auto& store) {
    std::unordered_set<int32_t> moving;
    for (int32_t id : ids) if (store.IsLive(id)) moving.insert(id);
    if (moving.empty()) return false;
    std::vector<int32_t> order = LiveOrder(store);
    const auto stays = [&moving](int32_t id) { return !moving.contains(id); };
    // The front of the display is drawn last: the end of the order.
    if (toFront) {
      std::stable_partition(order.begin(), order.end(), stays);
    } else {
      std::stable_partition(order.begin(), order.end(), [&](int32_t id) { return !stays(id); });
    }
    store.RewriteOrder([&order](std::vector<int32_t>& stored) { stored = std::move(order); });
    detail::NoteChange(*area, entityType, ChangeKind::Reordered, std::vector<int32_t>(moving.begin(), moving.end()));
    return true;
  });
}

}  // namespace

bool BasSetLayersOn(WorkAreaHandle handle, int on) {
  WorkArea* area = FindArea(handle);
  if (!area) return false;
  if (on) area->layersOff.reset(); else area->layersOff.set();
  return true;
}

bool BasSetLayerOn(WorkAreaHandle handle, int layer, int on) {
  WorkArea* area = FindArea(handle);
  if (!area) return false;
  area->layersOff.set(LayerBit(layer), on == 0);
  return true;
}

int BasIsLayerOn(WorkAreaHandle handle, int layer) {
  const WorkArea* area = FindArea(handle);
  return area && !area->layersOff.test(LayerBit(layer)) ? 1 : 0;
}

int BasGetLayerByteCount(WorkAreaHandle handle) {
  const WorkArea* area = FindArea(handle);
  if (!area) return 0;
  std::size_t highest = 0;
  ForEachLayer(*area, [&](int16_t layer) { highest = std::max(highest, LayerBit(layer)); });
  return static_cast<int>(highest / 8 + 1);
}

int BasIsLayerUsed(WorkAreaHandle handle, int layer) {
  const WorkArea* area = FindArea(handle);
  if (!area) return 0;
  bool used = false;
  ForEachLayer(*area, [&](int16_t l) { used = used || LayerBit(l) == LayerBit(layer); });
  return used ? 1 : 0;
}

std::vector<int32_t> BasGetDisplayOrder(WorkAreaHandle handle, int entityType) {
  WorkArea* area = FindArea(handle);
  if (!area || !area->Holds(entityType)) return {};
  return detail::WithStore(*area, entityType, [](const auto& store) { return LiveOrder(store); });
}

std::vector<int64_t> BasGetOrderPlaces(WorkAreaHandle handle, int entityType, const std::vector<int32_t>& ids) {
  WorkArea* area = FindArea(handle);
  if (!area || !area->Holds(entityType)) return std::vector<int64_t>(ids.size(), -1);
  return detail::WithStore(*area, entityType, [&](auto& store) { return store.PlacesOf(ids); });
}

bool BasSetDisplayOrder(WorkAreaHandle handle, int entityType, const std::vector<int32_t>& order) {
  WorkArea* area = FindArea(handle);
  if (!area || !area->Holds(entityType)) return false;
  return detail::WithStore(*area, entityType, [&](auto& store) {
    if (order.size() != static_cast<std::size_t>(store.live)) return false;
    std::unordered_set<int32_t> seen;
    for (int32_t id : order) {
      if (!store.IsLive(id) || !seen.insert(id).second) return false;
    }
    store.RewriteOrder([&order](std::vector<int32_t>& stored) { stored = order; });
    detail::NoteChange(*area, entityType, ChangeKind::Reordered, order);
    return true;
  });
}

bool BasBringToFront(WorkAreaHandle area, int entityType, const std::vector<int32_t>& ids) {
  return MoveInOrder(area, entityType, ids, true);
}

bool BasSendToBack(WorkAreaHandle area, int entityType, const std::vector<int32_t>& ids) {
  return MoveInOrder(area, entityType, ids, false);
}

}  // namespace zv
