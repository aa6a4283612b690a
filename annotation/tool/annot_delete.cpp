#include "annotation/tool/annot_delete.h"

#include <vector>

#include "platform/view/gis_edit_view.h"

namespace zv::annot {
namespace {

void DeleteOf(CSecAnnotTool& tool, int selectedType) {
  CGisEditView* view = tool.View();
  if (!view || view->PoolCount() == 0) return;
  const std::vector<ENTITY_MSG> pool(view->Pool(), view->Pool() + view->PoolCount());
  const FillTargets areas{tool.m_nPntArea, tool.m_nLinArea, tool.m_nRegArea};
  const PatternEntities found = FindPatterns(pool, selectedType, areas);
  if (found.Empty()) return;
  GisUndo& undo = view->GetUndo();
  undo.BeginStep();
  RemovePatterns(undo, areas, found);
  undo.EndStep();
  view->_UpdateWindow();
}

}  // namespace

void DeleteRegionPatterns(CSecAnnotTool& tool) { DeleteOf(tool, kRegionEntity); }
void DeleteLinePatterns(CSecAnnotTool& tool) { DeleteOf(tool, kLineEntity); }

void RemovePatterns(GisUndo& undo, const FillTargets& areas, const PatternEntities& found) {
  // Regions before their arcs: undo brings the arcs back first.
  if (!found.regions.empty()) undo.PushList(areas.regions, kRegionEntity, found.regions, GisUndo::kDeleted);
  if (!found.regionArcs.empty()) undo.PushList(areas.regions, kLineEntity, found.regionArcs, GisUndo::kDeleted);
  if (!found.lines.empty()) undo.PushList(areas.lines, kLineEntity, found.lines, GisUndo::kDeleted);
  if (!found.points.empty()) undo.PushList(areas.points, kPointEntity, found.points, GisUndo::kDeleted);
  DeletePatterns(found, areas);
}

}  // namespace zv::annot
