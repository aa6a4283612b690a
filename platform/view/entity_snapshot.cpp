#include "platform/view/entity_snapshot.h"

#include <algorithm>

namespace zv {

namespace {

int ReadGeometry(EntitySnapshot& s) {
  const ENTITY_MSG& e = s.entity;
  switch (e.type) {
    case kPointEntity: return BasReadPoint(e.area, e.id, &s.position, &s.text, &s.pointInfo);
    case kLineEntity: return BasReadLine(e.area, e.id, &s.vertices, &s.lineInfo);
    case kRegionEntity: return BasReadRegion(e.area, e.id, &s.arcs, &s.regionInfo);
    default: return 0;
  }
}

int WriteGeometry(const EntitySnapshot& s) {
  const ENTITY_MSG& e = s.entity;
  switch (e.type) {
    case kPointEntity: return BasUpdatePoint(e.area, e.id, s.position, s.text, s.pointInfo);
    case kLineEntity: return BasUpdateLine(e.area, e.id, s.vertices, s.lineInfo);
    case kRegionEntity: return BasUpdateRegion(e.area, e.id, s.arcs, s.regionInfo);
    default: return 0;
  }
}

void RestoreOrder(const EntitySnapshot& s) {
  if (s.orderIndex < 0) return;
  std::vector<int32_t> order = BasGetDisplayOrder(s.entity.area, s.entity.type);
  auto it = std::find(order.begin(), order.end(), s.entity.id);
  if (it == order.end()) return;
  const auto now = it - order.begin();
  const auto want = std::min<int64_t>(s.orderIndex, static_cast<int64_t>(order.size()) - 1);
  if (now == want) return;
  order.erase(it);
  order.insert(order.begin() + want, s.entity.id);
  BasSetDisplayOrder(s.entity.area, s.entity.type, order);
}

}  // namespace

std::optional<EntitySnapshot> CaptureEntity(const ENTITY_MSG& entity, const std::vector<int32_t>* order) {
  EntitySnapshot s;
  s.entity = entity;
  if (!ReadGeometry(s)) return std::nullopt;
  AttributeRecord record;
  if (BasReadAttribute(entity.area, entity.type, entity.id, &record)) s.attribute = std::move(record);
  if (order) {
    auto it = std::find(order->begin(), order->end(), entity.id);
    if (it != order->end()) s.orderIndex = it - order->begin();
  }
  return s;
}

bool RestoreEntity(const EntitySnapshot& s) {
  const ENTITY_MSG& e = s.entity;
  if (!BasIsWorkAreaValid(e.area)) return false;
  if (!BasIsEntityLive(e.area, e.type, e.id)) return BasRestoreEntity(e.area, e.type, e.id, s) != 0;
  if (!WriteGeometry(s)) return false;
  if (s.attribute) BasWriteAttribute(e.area, e.type, e.id, *s.attribute);
  RestoreOrder(s);
  return true;
}

int DeleteEntity(const ENTITY_MSG& e) {
  switch (e.type) {
    case kPointEntity: return BasDeletePoint(e.area, e.id);
    case kLineEntity: return BasDeleteLine(e.area, e.id);
    case kRegionEntity: return BasDeleteRegion(e.area, e.id);
    default: return 0;
  }
}

}  // namespace zv
