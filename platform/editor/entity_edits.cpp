#include "platform/editor/entity_edits.h"

#include <algorithm>
#include <cmath>
#include <map>
#include <set>

#include "platform/data/geometry.h"
#include "platform/editor/arc_faces.h"
#include "platform/editors/nearest.h"
#include "platform/view/entity_moves.h"

namespace zv::editor {

namespace {

// The arcs of the first ring of an arc list, without their direction.
std::set<int32_t> OuterRingArcs(const std::vector<int32_t>& list) {
  std::set<int32_t> arcs;
  for (std::size_t i = 1; i < list.size() && list[i] != 0; ++i) arcs.insert(std::abs(list[i]));
  return arcs;
}

// The arcs the live regions of an area other than `regionsGoing` still name.
std::set<int32_t> ArcsKept(WorkAreaHandle area, const std::set<int32_t>& regionsGoing) {
  std::set<int32_t> kept;
  int32_t live = 0, bound = 0;
  BasGetRegionCount(area, &live, &bound);
  for (int32_t r = 1; r < bound; ++r) {
    if (regionsGoing.count(r) || !BasIsEntityLive(area, kRegionEntity, r)) continue;
    for (int32_t arc : RegionArcs(area, r)) kept.insert(arc);
  }
  return kept;
}

// The live entities of a list, each once.
std::vector<ENTITY_MSG> Live(const std::vector<ENTITY_MSG>& entities) {
  std::vector<ENTITY_MSG> out;
  for (const ENTITY_MSG& e : entities)
    if (BasIsEntityLive(e.area, e.type, e.id) && std::find(out.begin(), out.end(), e) == out.end()) out.push_back(e);
  return out;
}

}  // namespace

int32_t AppendPoint(GisUndo& undo, WorkAreaHandle area, const D_DOT& at, std::string_view text, const PNT_INFO& info) {
  const int32_t id = BasAppendPoint(area, at, text, info);
  if (id) undo.PushList(area, kPointEntity, &id, 1, GisUndo::kAppended);
  return id;
}

int32_t AppendLine(GisUndo& undo, WorkAreaHandle area, const std::vector<D_DOT>& vertices, const LIN_INFO& info) {
  const int32_t id = BasAppendLine(area, vertices, info);
  if (id) undo.PushList(area, kLineEntity, &id, 1, GisUndo::kAppended);
  return id;
}

int DeleteEntities(GisUndo& undo, const std::vector<ENTITY_MSG>& entities) {
  std::vector<ENTITY_MSG> going = Live(entities);
  std::map<WorkAreaHandle, std::set<int32_t>> regionsGoing;
  for (const ENTITY_MSG& e : going)
    if (e.type == kRegionEntity) regionsGoing[e.area].insert(e.id);
  const std::size_t picked = going.size();
  for (const auto& [area, regions] : regionsGoing) {
    const std::set<int32_t> kept = ArcsKept(area, regions);
    for (int32_t region : regions)
      for (int32_t arc : RegionArcs(area, region)) {
        const ENTITY_MSG e{area, kLineEntity, arc};
        if (!kept.count(arc) && std::find(going.begin(), going.end(), e) == going.end()) going.push_back(e);
      }
  }
  if (going.empty()) return 0;
  undo.PushSelGraphics(going.data(), static_cast<int32_t>(going.size()), GisUndo::kDeleted, 1);
  // Regions before the arcs they name.
  int deleted = 0;
  for (std::size_t i = 0; i < going.size(); ++i)
    if (going[i].type == kRegionEntity && DeleteEntity(going[i]) && i < picked) ++deleted;
  for (std::size_t i = 0; i < going.size(); ++i)
    if (going[i].type != kRegionEntity && DeleteEntity(going[i]) && i < picked) ++deleted;
  return deleted;
}

int TranslateEntities(GisUndo& undo, const std::vector<ENTITY_MSG>& entities, double dx, double dy) {
  return ShiftEntities(undo, EntitiesToMove(entities), dx, dy);
}

std::vector<ENTITY_MSG> CopyEntities(GisUndo& undo, const std::vector<ENTITY_MSG>& entities, double dx, double dy) {
  std::vector<ENTITY_MSG> copies;
  for (const ENTITY_MSG& e : Live(entities)) {
    if (e.type == kPointEntity || e.type == kLineEntity) {
      const int32_t id = BasCopyEntity(e.area, e.type, e.id, e.area);
      if (!id) continue;
      copies.push_back({e.area, e.type, id});
      ShiftEntity(copies.back(), dx, dy);
    } else if (e.type == kRegionEntity) {
      std::vector<int32_t> list;
      REG_INFO info;
      if (!BasReadRegion(e.area, e.id, &list, &info)) continue;
      std::map<int32_t, int32_t> arcCopy;
      for (std::size_t i = 1; i < list.size(); ++i) {
        if (list[i] == 0) continue;
        const int32_t arc = std::abs(list[i]);
        if (!arcCopy.count(arc)) {
          const int32_t id = BasCopyEntity(e.area, kLineEntity, arc, e.area);
          arcCopy[arc] = id;
          if (id) copies.push_back({e.area, kLineEntity, id});
          if (id) ShiftEntity(copies.back(), dx, dy);
        }
        list[i] = list[i] < 0 ? -arcCopy[arc] : arcCopy[arc];
      }
      const int32_t id = BasAppendRegion(e.area, list, info);
      if (!id) continue;
      AttributeRecord record;
      if (BasReadAttribute(e.area, kRegionEntity, e.id, &record)) BasWriteAttribute(e.area, kRegionEntity, id, record);
      copies.push_back({e.area, kRegionEntity, id});
    }
  }
  if (!copies.empty()) undo.PushSelGraphics(copies.data(), static_cast<int32_t>(copies.size()), GisUndo::kAppended, 1);
  return copies;
}

bool InsertVertexNear(GisUndo& undo, WorkAreaHandle area, int32_t line, const D_DOT& p) {
  std::vector<D_DOT> v;
  LIN_INFO info;
  if (!BasReadLine(area, line, &v, &info) || v.size() < 2) return false;
  int32_t segment = 0;
  DistanceToPolyline(v, p, &segment);
  // The foot of p on that segment.
  const D_DOT a = v[static_cast<std::size_t>(segment)], b = v[static_cast<std::size_t>(segment) + 1];
  const double lx = b.x - a.x, ly = b.y - a.y, l2 = lx * lx + ly * ly;
  const double t = l2 > 0 ? std::clamp(((p.x - a.x) * lx + (p.y - a.y) * ly) / l2, 0.0, 1.0) : 0.0;
  const ENTITY_MSG e{area, kLineEntity, line};
  undo.PushSelGraphics(&e, 1, GisUndo::kChanged, 1);
  v.insert(v.begin() + segment + 1, D_DOT{a.x + t * lx, a.y + t * ly});
  return BasUpdateLine(area, line, v, info) != 0;
}

bool DeleteVertexNear(GisUndo& undo, WorkAreaHandle area, int32_t line, const D_DOT& p) {
  std::vector<D_DOT> v;
  LIN_INFO info;
  if (!BasReadLine(area, line, &v, &info) || v.size() <= 2) return false;
  const NearestVertexHit hit = NearestVertexOfLine(area, line, p);
  if (!hit.line) return false;
  const ENTITY_MSG e{area, kLineEntity, line};
  undo.PushSelGraphics(&e, 1, GisUndo::kChanged, 1);
  v.erase(v.begin() + hit.index);
  return BasUpdateLine(area, line, v, info) != 0;
}

bool ReverseLine(GisUndo& undo, WorkAreaHandle area, int32_t line) {
  std::vector<D_DOT> v;
  LIN_INFO info;
  if (!BasReadLine(area, line, &v, &info)) return false;
  const ENTITY_MSG e{area, kLineEntity, line};
  undo.PushSelGraphics(&e, 1, GisUndo::kChanged, 1);
  std::reverse(v.begin(), v.end());
  return BasUpdateLine(area, line, v, info) != 0;
}

int32_t MakeRegionAt(GisUndo& undo, WorkAreaHandle area, const D_DOT& p, const REG_INFO& info) {
  if (BasGetWorkAreaType(area) != kRegionArea) return 0;
  std::vector<ArcPath> arcs;
  int32_t live = 0, bound = 0;
  BasGetLineCount(area, &live, &bound);
  for (int32_t id = 1; id < bound; ++id) {
    ArcPath arc{id, {}};
    if (BasReadLine(area, id, &arc.vertices, nullptr)) arcs.push_back(std::move(arc));
  }
  const std::vector<int32_t> list = RegionArcsAround(arcs, p);
  if (list.empty()) return 0;
  // A region already made of this outline is not made twice.
  const std::set<int32_t> outline = OuterRingArcs(list);
  BasGetRegionCount(area, &live, &bound);
  for (int32_t r = 1; r < bound; ++r) {
    std::vector<int32_t> existing;
    if (BasReadRegion(area, r, &existing, nullptr) && OuterRingArcs(existing) == outline) return 0;
  }
  const int32_t id = BasAppendRegion(area, list, info);
  if (id) undo.PushList(area, kRegionEntity, &id, 1, GisUndo::kAppended);
  return id;
}

}  // namespace zv::editor
