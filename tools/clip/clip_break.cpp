// Modes 1, 2 and 3: lines broken where a selected line or a dragged line
// crosses them, and lines broken at their vertices and self-crossings inside
// a window. Each break is one undo step: the broken lines recorded before
// their deletion, the pieces as appended. Every piece but the last of each
// line is selected afterwards (mode 3: the last), so the user sees the cut.
#include <algorithm>

#include "platform/view/gis_edit_view.h"
#include "tools/clip/core/break_lines.h"
#include "tools/clip/sec_clip_tool.h"

namespace zv::tools {
namespace {

void Select(CGisEditView& view, WorkAreaHandle area, const std::vector<int32_t>& ids) {
  std::vector<ENTITY_MSG> entries;
  for (const int32_t id : ids) entries.push_back({area, kLineEntity, id});
  if (!entries.empty()) view.AddToPool(entries.data(), static_cast<int>(entries.size()));
}

}  // namespace

void CSecClipTool::BreakLinesBySelectedLine() {
  const ENTITY_MSG* first = FirstSelected(kLineEntity);
  std::vector<D_DOT> cutter;
  if (!first || !BasReadLine(first->area, first->id, &cutter, nullptr)) return;
  const int32_t skip = first->area == m_linAi ? first->id : 0;
  const std::vector<int32_t> ids = LinesCrossedBy(m_linAi, cutter, skip);
  if (!ids.empty()) BreakLinesAtCrossings(ids, cutter);
}

void CSecClipTool::BreakAfterSelect(unsigned flags, CPoint point) {
  if (m_pView->SelectLin(WM_LBUTTONUP, flags, point) == 1) BreakLinesBySelectedLine();
}

void CSecClipTool::BreakLinesAtCrossings(const std::vector<int32_t>& ids, const std::vector<D_DOT>& cutter) {
  GisUndo& undo = m_pView->GetUndo();
  std::vector<int32_t> selected;
  undo.BeginStep();
  for (std::vector<int32_t>& added : tools::BreakLinesAtCrossings(undo, m_linAi, ids, cutter)) {
    if (!added.empty()) added.pop_back();
    selected.insert(selected.end(), added.begin(), added.end());
  }
  undo.EndStep();
  Select(*m_pView, m_linAi, selected);
  m_pView->_UpdateWindow();
}

// ---- mode 2: the drag line

void CSecClipTool::ArmDragLine() { dragLine_ = 1; }

void CSecClipTool::AddDragVertex(unsigned flags, CPoint point) {
  if (dragLine_) AddVertex(flags, point);
}

void CSecClipTool::DragMove(unsigned flags, CPoint point) {
  if (dragLine_) RubberBand(flags, point);
}

void CSecClipTool::DrawDragLine() {
  if (dragLine_ && vertices_.size() >= 2) DrawVertices();
}

void CSecClipTool::FinishDragLine(unsigned, CPoint) {
  const std::vector<D_DOT> cutter = std::move(vertices_);
  vertices_.clear();
  drawing_ = 0;
  if (rubberShown_) m_pView->_DrawXORLine(anchor_.x, anchor_.y, end_.x, end_.y);
  rubberShown_ = false;
  if (cutter.size() > 1 && m_linAi != 0) {
    const std::vector<int32_t> ids = LinesCrossedBy(m_linAi, cutter, 0);
    if (!ids.empty()) {
      BreakLinesAtCrossings(ids, cutter);
      return;
    }
  }
  m_pView->_UpdateWindow();
}

// ---- mode 3: nodes in a window

void CSecClipTool::FirstCorner(unsigned flags, CPoint point) {
  m_pView->SelectLin(WM_LBUTTONDOWN, flags, point);
  corner_ = m_pView->_WpToLp(point);
}

D_RECT CSecClipTool::CornerWindow(const D_DOT& second) const {
  const D_DOT first = corner_.value_or(second);
  return {std::min(first.x, second.x), std::min(first.y, second.y), std::max(first.x, second.x),
          std::max(first.y, second.y)};
}

void CSecClipTool::BreakAtNodesAfterSelect(unsigned flags, CPoint point) {
  const D_DOT second = m_pView->_WpToLp(point);
  if (m_pView->SelectLin(WM_LBUTTONUP, flags, point) != 1 || !FirstSelected(kLineEntity)) return;
  const D_RECT window = CornerWindow(second);
  const std::vector<ENTITY_MSG> entries(m_pView->Pool(), m_pView->Pool() + m_pView->PoolCount());
  Stop();
  // The lines of each area are replaced together: one pass over the area's
  // drawing order for the undo record, not one per line.
  std::vector<std::pair<WorkAreaHandle, std::vector<LinePieces>>> byArea;
  std::vector<D_DOT> vertices;
  for (const ENTITY_MSG& e : entries) {
    if (e.type != kLineEntity || !BasIsWorkAreaValid(e.area) || !BasReadLine(e.area, e.id, &vertices, nullptr))
      continue;
    auto it = std::find_if(byArea.begin(), byArea.end(), [&](const auto& group) { return group.first == e.area; });
    if (it == byArea.end()) it = byArea.insert(byArea.end(), {e.area, {}});
    it->second.push_back({e.id, CutAtNodes(vertices, window)});
  }
  GisUndo& undo = m_pView->GetUndo();
  std::vector<ENTITY_MSG> last;
  undo.BeginStep();
  for (const auto& [area, lines] : byArea)
    for (const std::vector<int32_t>& added : ReplaceByPieces(undo, area, lines))
      if (!added.empty()) last.push_back({area, kLineEntity, added.back()});
  undo.EndStep();
  if (!last.empty()) m_pView->AddToPool(last.data(), static_cast<int>(last.size()));
  m_pView->_UpdateWindow();
}

}  // namespace zv::tools
