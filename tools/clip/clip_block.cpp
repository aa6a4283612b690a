// Mode −3: a window dragged with the selection of everything in it; on the
// release the selection and the region arcs in the window are deleted as
// one undo step, keeping every arc a remaining region uses.
#include "platform/view/gis_edit_view.h"
#include "platform/view/prj_edit_view.h"
#include "tools/clip/core/block_delete.h"
#include "tools/clip/sec_clip_tool.h"

namespace zv::tools {

void CSecClipTool::BlockFirstCorner(unsigned flags, CPoint point) {
  m_pView->SelectAll(WM_LBUTTONDOWN, flags, point);
  corner_ = m_pView->_WpToLp(point);
}

void CSecClipTool::BlockSelectMove(unsigned flags, CPoint point) { m_pView->SelectAll(WM_MOUSEMOVE, flags, point); }

void CSecClipTool::ForgetCorners(unsigned, CPoint) {
  corner_.reset();
  Stop();
}

void CSecClipTool::DeleteBlockAfterSelect(unsigned flags, CPoint point) {
  m_pView->SelectAll(WM_LBUTTONUP, flags, point);
  if (!corner_) return;
  const D_RECT window = CornerWindow(m_pView->_WpToLp(point));
  corner_.reset();
  std::vector<WorkAreaHandle> regionAreas;
  const auto* projectView = dynamic_cast<const CPrjEditView*>(m_pView);
  if (const MapProject* project = projectView ? projectView->GetProject() : nullptr;
      project && PrjGetItemCount(project) > 0) {
    for (const int index : PrjListItems(project, kRegionArea))
      if (const WorkAreaHandle area = PrjGetItemArea(project, index)) regionAreas.push_back(area);
  } else if (m_regAi != 0) {
    regionAreas.push_back(m_regAi);
  }
  const std::vector<ENTITY_MSG> selected(m_pView->Pool(), m_pView->Pool() + m_pView->PoolCount());
  const std::vector<ENTITY_MSG> entries = BlockDeleteEntries(selected, regionAreas, window);
  if (entries.empty()) return;
  GisUndo& undo = m_pView->GetUndo();
  undo.BeginStep();
  undo.PushSelGraphics(entries.data(), static_cast<int32_t>(entries.size()), GisUndo::kDeleted, 1);
  DeleteEntries(entries);
  undo.EndStep();
  Stop();
  m_pView->_UpdateWindow();
}

}  // namespace zv::tools
