// Copying entities between work areas, with their parameters, attributes
// and the bytes kept from their files.
#include <cstdlib>
#include <unordered_map>

#include "platform/data/work_area_store.h"

namespace zv {

using detail::FindArea;
using detail::WorkArea;

namespace {

void CopyAttributes(WorkArea& from, WorkAreaHandle to, int entityType, int32_t fromId, int32_t toId) {
  AttributeRecord record;
  if (!BasReadAttribute(from.handle, entityType, fromId, &record)) return;
  BasWriteAttribute(to, entityType, toId, record);
}

int32_t CopyPoint(WorkArea& from, int32_t id, WorkAreaHandle to) {
  if (!from.points.IsLive(id)) return 0;
  // A copy of the slot: appending to the source area moves its slots.
  const detail::PointSlot slot = *from.points.Live(id);
  const int32_t copy = BasAppendPoint(to, slot.position, slot.text, slot.info);
  if (copy == 0) return 0;
  CopyAttributes(from, to, kPointEntity, id, copy);
  if (!slot.fileBytes.empty()) BasSetEntityFileBytes(to, kPointEntity, copy, slot.fileBytes);
  return copy;
}

int32_t CopyLine(WorkArea& from, int32_t id, WorkAreaHandle to) {
  if (!from.lines.IsLive(id)) return 0;
  const detail::LineSlot slot = *from.lines.Live(id);
  const int32_t copy = BasAppendLine(to, slot.vertices, slot.info);
  if (copy == 0) return 0;
  CopyAttributes(from, to, kLineEntity, id, copy);
  if (!slot.fileBytes.empty()) BasSetEntityFileBytes(to, kLineEntity, copy, slot.fileBytes);
  return copy;
}

// Copies a region and the arcs it uses; `arcMap` remembers arcs already
// copied, so regions that share an arc keep sharing it.
int32_t CopyRegion(WorkArea& from, int32_t id, WorkAreaHandle to, std::unordered_map<int32_t, int32_t>& arcMap) {
  if (!from.regions.IsLive(id)) return 0;
  const detail::RegionSlot slot = *from.regions.Live(id);
  std::vector<int32_t> arcs = slot.arcs;
  for (std::size_t i = 1; i < arcs.size(); ++i) {
    if (arcs[i] == 0) continue;
    const int32_t arc = std::abs(arcs[i]);
    auto it = arcMap.find(arc);
    if (it == arcMap.end()) it = arcMap.emplace(arc, CopyLine(from, arc, to)).first;
    if (it->second == 0) return 0;
    arcs[i] = arcs[i] < 0 ? -it->second : it->second;
  }
  const int32_t copy = BasAppendRegion(to, arcs, slot.info);
  if (copy == 0) return 0;
  CopyAttributes(from, to, kRegionEntity, id, copy);
  if (!slot.fileBytes.empty()) BasSetEntityFileBytes(to, kRegionEntity, copy, slot.fileBytes);
  return copy;
}

template <class Store, class CopyOne>
int32_t CopyAll(WorkAreaHandle fromHandle, WorkAreaHandle to, int entityType, Store WorkArea::*member, CopyOne copyOne) {
  WorkArea* from = FindArea(fromHandle);
  WorkArea* target = FindArea(to);
  if (!from || !target || !from->Holds(entityType) || !target->Holds(entityType)) return -1;
  // Appending to the source itself must not copy the copies again.
  const int32_t bound = (from->*member).bound();
  int32_t copied = 0;
  BasBeginBatch(to);
  for (int32_t id = 1; id < bound; ++id) {
    if (copyOne(*from, id, to) != 0) ++copied;
  }
  BasEndBatch(to);
  return copied;
}

}  // namespace

int32_t BasCopyPoints(WorkAreaHandle from, WorkAreaHandle to) {
  return CopyAll(from, to, kPointEntity, &WorkArea::points, CopyPoint);
}

int32_t BasCopyLines(WorkAreaHandle from, WorkAreaHandle to) {
  return CopyAll(from, to, kLineEntity, &WorkArea::lines, CopyLine);
}

int32_t BasCopyRegions(WorkAreaHandle from, WorkAreaHandle to) {
  std::unordered_map<int32_t, int32_t> arcMap;
  return CopyAll(from, to, kRegionEntity, &WorkArea::regions,
                 [&arcMap](WorkArea& source, int32_t id, WorkAreaHandle target) {
                   return CopyRegion(source, id, target, arcMap);
                 });
}

int32_t BasCopyEntity(WorkAreaHandle fromHandle, int entityType, int32_t id, WorkAreaHandle to) {
  WorkArea* from = FindArea(fromHandle);
  WorkArea* target = FindArea(to);
  if (!from || !target || !from->Holds(entityType) || !target->Holds(entityType)) return 0;
  if (entityType == kPointEntity) return CopyPoint(*from, id, to);
  if (entityType == kLineEntity) return CopyLine(*from, id, to);
  std::unordered_map<int32_t, int32_t> arcMap;
  return CopyRegion(*from, id, to, arcMap);
}

int32_t BasCopyEntities(WorkAreaHandle fromHandle, int entityType, std::span<const int32_t> ids, WorkAreaHandle to) {
  WorkArea* from = FindArea(fromHandle);
  WorkArea* target = FindArea(to);
  if (!from || !target || !from->Holds(entityType) || !target->Holds(entityType)) return -1;
  std::unordered_map<int32_t, int32_t> arcMap;
  int32_t copied = 0;
  BasBeginBatch(to);
  for (int32_t id : ids) {
    const int32_t copy = entityType == kPointEntity  ? CopyPoint(*from, id, to)
                         : entityType == kLineEntity ? CopyLine(*from, id, to)
                                                     : CopyRegion(*from, id, to, arcMap);
    if (copy != 0) ++copied;
  }
  BasEndBatch(to);
  return copied;
}

}  // namespace zv
