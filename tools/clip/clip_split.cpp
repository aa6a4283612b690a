// Modes −4, 4 and 5: regions split by a drawn or a selected line, and an
// arc picked in arc mode cut where it crosses itself; each one undo step.
#include <QString>

#include "framework/prompts/prompts.h"
#include "platform/view/gis_edit_view.h"
#include "tools/clip/core/split_regions.h"
#include "tools/clip/sec_clip_tool.h"

namespace zv::tools {
namespace {

// The arc mode of the line selection: the arcs of region areas too.
constexpr short kArcMode = 1;

void Tell(const TopoEditOutcome& outcome) {
  if (!outcome.error.empty()) prompt::Message(QString::fromStdString(outcome.error), prompt::kIconWarning);
}

}  // namespace

void CSecClipTool::SplitRegionsByLine(WorkAreaHandle area, const std::vector<D_DOT>& cut) {
  if (cut.size() < 2) return;
  GisUndo& undo = m_pView->GetUndo();
  undo.BeginStep();
  const TopoEditOutcome outcome = SplitRegions(undo, area, cut);
  undo.EndStep();
  m_pView->_UpdateWindow();
  Tell(outcome);
}

void CSecClipTool::SplitRegionsByDrawnLine(unsigned, CPoint) {
  if (rubberShown_) m_pView->_DrawXORLine(anchor_.x, anchor_.y, end_.x, end_.y);
  rubberShown_ = false;
  std::vector<D_DOT> line = std::move(vertices_);
  vertices_.clear();
  drawing_ = 0;
  SplitRegionsByLine(m_regAi, line);
  m_pView->_UpdateWindow();
}

void CSecClipTool::DrawSplitLine() {
  DrawOutline();
  if (drawing_ != 1 || vertices_.empty()) return;
  anchor_ = m_pView->_LpToWp(vertices_.back());
  m_pView->_DrawXORLine(anchor_.x, anchor_.y, end_.x, end_.y);
  rubberShown_ = true;
}

void CSecClipTool::SplitRegionsBySelectedLine() {
  if (m_pView->PoolCount() != 1) return;
  const ENTITY_MSG* entry = FirstSelected(kLineEntity);
  std::vector<D_DOT> line;
  if (!entry || !BasReadLine(entry->area, entry->id, &line, nullptr)) return;
  SplitRegionsByLine(m_regAi, line);
}

void CSecClipTool::SplitAfterSelect(unsigned flags, CPoint point) {
  m_pView->SelectLin(WM_LBUTTONUP, flags, point);
  SplitRegionsBySelectedLine();
}

void CSecClipTool::CutSelfCrossingArc() {
  if (m_pView->PoolCount() != 1) return;
  const ENTITY_MSG* entry = FirstSelected(kLineEntity);
  if (!entry) return;
  GisUndo& undo = m_pView->GetUndo();
  undo.BeginStep();
  const TopoEditOutcome outcome = CutSelfCrossings(undo, entry->area, entry->id);
  undo.EndStep();
  if (outcome.changed) m_pView->_UpdateWindow();
  Tell(outcome);
}

void CSecClipTool::SelectArc(unsigned flags, CPoint point) { m_pView->SelectLin(WM_LBUTTONDOWN, flags, point, kArcMode); }
void CSecClipTool::SelectArcMove(unsigned flags, CPoint point) { m_pView->SelectLin(WM_MOUSEMOVE, flags, point, kArcMode); }

void CSecClipTool::CutAfterSelectArc(unsigned flags, CPoint point) {
  m_pView->SelectLin(WM_LBUTTONUP, flags, point, kArcMode);
  CutSelfCrossingArc();
}

}  // namespace zv::tools
