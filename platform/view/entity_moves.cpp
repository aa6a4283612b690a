#include "platform/view/entity_moves.h"

#include <algorithm>
#include <cstdlib>

namespace zv {
namespace {

void AddOnce(std::vector<ENTITY_MSG>& list, const ENTITY_MSG& e) {
  if (std::find(list.begin(), list.end(), e) == list.end()) list.push_back(e);
}

}  // namespace

std::vector<int32_t> RegionArcs(WorkAreaHandle area, int32_t region) {
  std::vector<int32_t> list, arcs;
  if (!BasReadRegion(area, region, &list, nullptr)) return arcs;
  for (std::size_t i = 1; i < list.size(); ++i)
    if (list[i] != 0) arcs.push_back(std::abs(list[i]));
  return arcs;
}

void ShiftEntity(const ENTITY_MSG& e, double dx, double dy) {
  if (e.type == kPointEntity) {
    D_DOT at;
    if (BasReadPointPos(e.area, e.id, &at)) BasWritePointPos(e.area, e.id, {at.x + dx, at.y + dy});
    return;
  }
  std::vector<D_DOT> v;
  LIN_INFO info;
  if (!BasReadLine(e.area, e.id, &v, &info)) return;
  for (D_DOT& d : v) d.x += dx, d.y += dy;
  BasUpdateLine(e.area, e.id, v, info);
}

std::vector<ENTITY_MSG> EntitiesToMove(const std::vector<ENTITY_MSG>& picked) {
  std::vector<ENTITY_MSG> moving;
  std::vector<ENTITY_MSG> arcs;
  for (const ENTITY_MSG& e : picked) {
    if (!BasIsEntityLive(e.area, e.type, e.id)) continue;
    if (e.type != kRegionEntity) {
      AddOnce(moving, e);
      continue;
    }
    for (int32_t arc : RegionArcs(e.area, e.id)) AddOnce(arcs, ENTITY_MSG{e.area, kLineEntity, arc});
  }
  for (const ENTITY_MSG& a : arcs) AddOnce(moving, a);
  return moving;
}

bool MoveVertex(GisUndo& undo, WorkAreaHandle area, int32_t line, int32_t index, const D_DOT& to) {
  std::vector<D_DOT> v;
  LIN_INFO info;
  if (!BasReadLine(area, line, &v, &info) || index < 0 || index >= static_cast<int32_t>(v.size())) return false;
  const ENTITY_MSG e{area, kLineEntity, line};
  undo.PushSelGraphics(&e, 1, GisUndo::kChanged, 1);
  const bool closed = v.size() >= 4 && v.front().x == v.back().x && v.front().y == v.back().y;
  v[static_cast<std::size_t>(index)] = to;
  if (closed && index == 0) v.back() = to;
  if (closed && index + 1 == static_cast<int32_t>(v.size())) v.front() = to;
  return BasUpdateLine(area, line, v, info) != 0;
}

int ShiftEntities(GisUndo& undo, const std::vector<ENTITY_MSG>& entities, double dx, double dy) {
  if (entities.empty() || (dx == 0.0 && dy == 0.0)) return 0;
  undo.PushSelGraphics(entities.data(), static_cast<int32_t>(entities.size()), GisUndo::kChanged, 1);
  for (const ENTITY_MSG& e : entities) ShiftEntity(e, dx, dy);
  return static_cast<int>(entities.size());
}

}  // namespace zv
