// The modes of the clip tool, one row each, in the order of the plan menu,
// the routing of the slots through them, and the handlers several modes
// share.
#include <span>

#include "app/right_button_select.h"
#include "platform/view/gis_edit_view.h"
#include "tools/clip/sec_clip_tool.h"

namespace zv::tools {

using T = CSecClipTool;

std::span<const CSecClipTool::ModeRow> CSecClipTool::Modes() {
  static const ModeRow kModes[] = {
      {-1, 33038, "&1辅助工具/裁剪工具/选线裁剪", nullptr, false, &T::ClipBySelectedLine, &T::SelectLine,
       &T::ClipAfterSelectLine, &T::End, &T::SelectLineMove},
      {-6, 33440, "&1辅助工具/裁剪工具/选区裁剪", nullptr, false, &T::ClipBySelectedRegion, &T::SelectRegion,
       &T::ClipAfterSelectRegion, &T::StopHere, &T::SelectRegionMove},
      {6, 33441, "&1辅助工具/裁剪工具/画线裁剪", nullptr, true, nullptr, &T::AddVertex, nullptr, &T::ClipByDrawnLine,
       &T::RubberBand, &T::DrawOutline},
      {1, 33056, "&1辅助工具/断线功能/选线剪断相交线", nullptr, false, &T::BreakLinesBySelectedLine, &T::SelectLine,
       &T::BreakAfterSelect, &T::ClearSelection, &T::SelectLineMove},
      {2, 33127, "&1辅助工具/断线功能/拉线剪断相交线", nullptr, true, &T::ArmDragLine, &T::AddDragVertex, nullptr,
       &T::FinishDragLine, &T::DragMove, &T::DrawDragLine},
      {3, 33282, "&1辅助工具/断线功能/自相交及节点断线", nullptr, true, nullptr, &T::FirstCorner,
       &T::BreakAtNodesAfterSelect, &T::StopHere, &T::SelectLineMove},
      {-2, 33099, "&1辅助工具/断线功能/定距\\/定数等分线", nullptr, false, &T::DivideSelectedLines, &T::SelectLine,
       &T::DivideAfterSelect, &T::End, &T::SelectLineMove},
      {-3, 33248, "&T其它/整块删除", nullptr, false, nullptr, &T::BlockFirstCorner, &T::DeleteBlockAfterSelect,
       &T::ForgetCorners, &T::BlockSelectMove},
      {-4, 33365, "&R区编辑/区编辑...&R/分割区/划线分割区", nullptr, true, nullptr, &T::AddVertex, nullptr,
       &T::SplitRegionsByDrawnLine, &T::RubberBand, &T::DrawSplitLine},
      {4, 33366, "&R区编辑/区编辑...&R/分割区/选线分割区", nullptr, false, &T::SplitRegionsBySelectedLine, &T::SelectLine,
       &T::SplitAfterSelect, &T::StopHere, &T::SelectLineMove},
      {5, 33370, "&R区编辑/剪断自相交弧段", nullptr, true, &T::CutSelfCrossingArc, &T::SelectArc, &T::CutAfterSelectArc,
       &T::StopHere, &T::SelectArcMove},
      {502, 33638, "&1辅助工具/图框补充/标准矩形图框", "&1辅助工具/系列标准图框/图框补充/标准矩形图框", true, &T::DrawStandardFrame},
      {503, 33639, "&1辅助工具/图框补充/绘制经纬网图框", "&1辅助工具/系列标准图框/图框补充/绘制经纬网图框", true, &T::DrawGraticuleFrame},
      {-5, 0, nullptr, nullptr, false, nullptr},
  };
  return kModes;
}

const CSecClipTool::ModeRow* CSecClipTool::FindMode(int16_t mode) {
  for (const ModeRow& row : Modes())
    if (row.mode == mode) return &row;
  return nullptr;
}

bool CSecClipTool::IsBuilt(int16_t mode) {
  const ModeRow* row = FindMode(mode);
  return row && (row->start || row->down);
}

CSecClipTool::CSecClipTool(CGisEditView* view, int16_t mode) : BaseGisTool(view, mode) {
  if (const ModeRow* row = FindMode(mode); row && row->start) (this->*row->start)();
}

CSecClipTool::~CSecClipTool() = default;

int CSecClipTool::OnLButtonDown(unsigned flags, CPoint point) {
  if (const ModeRow* row = FindMode(m_nMode); row && row->down) (this->*row->down)(flags, point);
  return 1;
}

void CSecClipTool::OnMouseMove(unsigned flags, CPoint point) {
  if (const ModeRow* row = FindMode(m_nMode); row && row->move) (this->*row->move)(flags, point);
}

int CSecClipTool::OnLButtonUp(unsigned flags, CPoint point) {
  if (const ModeRow* row = FindMode(m_nMode); row && row->up) (this->*row->up)(flags, point);
  return 1;
}

void CSecClipTool::OnRButtonUp(unsigned flags, CPoint point) {
  // The mode's handler may end the tool: keep the view for the pass-on.
  CGisEditView* view = m_pView;
  if (const ModeRow* row = FindMode(m_nMode); row && row->right) (this->*row->right)(flags, point);
  PassRightButtonOn(view, flags, point);
}

void CSecClipTool::DrawHook(KernelDriver* dc) {
  // A redraw starts from the map again: no rubber line is on it.
  rubberShown_ = false;
  dc_ = dc;
  if (const ModeRow* row = FindMode(m_nMode); row && row->draw) (this->*row->draw)();
  dc_ = nullptr;
}

// ---- shared handlers

void CSecClipTool::SelectLine(unsigned flags, CPoint point) { m_pView->SelectLin(WM_LBUTTONDOWN, flags, point); }
void CSecClipTool::SelectLineMove(unsigned flags, CPoint point) { m_pView->SelectLin(WM_MOUSEMOVE, flags, point); }
void CSecClipTool::ClearSelection(unsigned, CPoint) { m_pView->ClearPool(); }
void CSecClipTool::StopHere(unsigned, CPoint) { Stop(); }

void CSecClipTool::End(unsigned, CPoint) {
  m_nMode = 0;
  m_pView->ClearPool();
  m_pView->CancelInterActive();
}

const ENTITY_MSG* CSecClipTool::FirstSelected(int type) const {
  if (m_pView->PoolCount() < 1) return nullptr;
  const ENTITY_MSG* first = m_pView->Pool();
  return BasIsWorkAreaValid(first->area) && first->type == type ? first : nullptr;
}

void CSecClipTool::AddVertex(unsigned, CPoint point) {
  // The rubber line shown up to this click stays as the drawn segment.
  rubberShown_ = false;
  anchor_ = end_ = point;
  drawing_ = 1;
  vertices_.push_back(m_pView->_WpToLp(point));
}

void CSecClipTool::RubberBand(unsigned, CPoint point) {
  if (drawing_ != 1 || vertices_.empty()) return;
  anchor_ = m_pView->_LpToWp(vertices_.back());
  if (rubberShown_) m_pView->_DrawXORLine(anchor_.x, anchor_.y, end_.x, end_.y);
  end_ = point;
  m_pView->_DrawXORLine(anchor_.x, anchor_.y, end_.x, end_.y);
  rubberShown_ = true;
}

void CSecClipTool::DrawVertices() {
  for (std::size_t i = 1; i < vertices_.size(); ++i) {
    const CPoint a = m_pView->_LpToWp(vertices_[i - 1]), b = m_pView->_LpToWp(vertices_[i]);
    m_pView->_DrawXORLine(a.x, a.y, b.x, b.y);
  }
}

}  // namespace zv::tools
