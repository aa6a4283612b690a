// The mode table of the annotation tool and its dispatch. The rows here are
// the frame's selection steps of every mode, the modes whose work is only
// selecting, and the pattern modes (fill −7/7, deletion −8/8, drawn outline
// −9, trend 9). The legend and label features replace the rows of their
// modes with SetModeRow when they register.
#include <algorithm>
#include <vector>

#include "annotation/tool/annot_delete.h"
#include "annotation/tool/annot_fill.h"
#include "annotation/tool/annot_trend.h"
#include "annotation/tool/sec_annot_tool.h"
#include "app/right_button_select.h"
#include "platform/view/gis_edit_view.h"

namespace zv::annot {
namespace {

using P = AnnotPick;
constexpr unsigned kDown = WM_LBUTTONDOWN, kMove = WM_MOUSEMOVE, kUp = WM_LBUTTONUP;

// The work of mode −10 is the selection itself.
void NoWork(CSecAnnotTool&) {}

std::vector<AnnotModeRow>& Table() {
  static std::vector<AnnotModeRow> rows = {
      {-10, &NoWork, &SelectStep<P::kAll, kDown>, &SelectStep<P::kAll, kMove>, &SelectThen<P::kAll, &NoWork>, &StopTool,
       nullptr, true},
      {-9, nullptr, &AddTrendPoint, &TrackRubberBand, nullptr, &FinishDrawnOutline, &DrawTrendHook, true},
      {-8, &DeleteRegionPatterns, &SelectStep<P::kReg, kDown>, &SelectStep<P::kReg, kMove>,
       &SelectThen<P::kReg, &DeleteRegionPatterns>, nullptr, nullptr, true},
      {-7, &FillRegionsWithAnglePattern, &SelectStep<P::kReg, kDown>, &SelectStep<P::kReg, kMove>,
       &SelectThen<P::kReg, &FillRegionsWithAnglePattern>, nullptr, nullptr, true},
      {-6, nullptr, &SelectStep<P::kAll, kDown>, &SelectStep<P::kAll, kMove>, &SelectStep<P::kAll, kUp>, &StopTool},
      {-4, nullptr, &SelectStep<P::kLin, kDown>, &SelectStep<P::kLin, kMove>, &SelectStep<P::kLin, kUp>},
      {-3, nullptr, &SelectStep<P::kAll, kDown>, &SelectStep<P::kAll, kMove>, &SelectStep<P::kAll, kUp>, &StopTool},
      {-2, nullptr, &SelectStep<P::kLin, kDown>, &SelectStep<P::kLin, kMove>, &SelectStep<P::kLin, kUp>},
      {-1, nullptr, nullptr, &SelectStep<P::kLin, kMove>},
      {1, nullptr, &SelectStep<P::kLin, kDown>, &SelectStep<P::kLin, kMove>, &SelectStep<P::kLin, kUp>},
      {3, nullptr, nullptr, nullptr, nullptr, &StopTool},
      {4, nullptr, &SelectStep<P::kReg, kDown>, &SelectStep<P::kReg, kMove>, &SelectStep<P::kReg, kUp>, &StopTool},
      {5, nullptr, &SelectStep<P::kAll, kDown>, &SelectStep<P::kAll, kMove>, &SelectStep<P::kAll, kUp>, &StopTool},
      {7, &FillLinesWithAnglePattern, &SelectStep<P::kLin, kDown>, &SelectStep<P::kLin, kMove>,
       &SelectThen<P::kLin, &FillLinesWithAnglePattern>, nullptr, nullptr, true},
      {8, &DeleteLinePatterns, &SelectStep<P::kLin, kDown>, &SelectStep<P::kLin, kMove>,
       &SelectThen<P::kLin, &DeleteLinePatterns>, nullptr, nullptr, true},
      {9, nullptr, &TrendLeftDown, &TrendMove, &TrendLeftUp, &TrendFinish, &TrendDraw, true},
  };
  return rows;
}

}  // namespace

const AnnotModeRow* CSecAnnotTool::FindMode(int16_t mode) {
  for (const AnnotModeRow& row : Table())
    if (row.mode == mode) return &row;
  return nullptr;
}

bool CSecAnnotTool::SetModeRow(const AnnotModeRow& row) {
  if (row.mode < kFirstAnnotMode || row.mode > kLastAnnotMode) return false;
  std::vector<AnnotModeRow>& rows = Table();
  const auto at = std::find_if(rows.begin(), rows.end(), [&](const AnnotModeRow& r) { return r.mode == row.mode; });
  if (at != rows.end())
    *at = row;
  else
    rows.push_back(row);
  return true;
}

bool CSecAnnotTool::IsBuilt(int16_t mode) {
  const AnnotModeRow* row = FindMode(mode);
  return row && row->built;
}

CSecAnnotTool::CSecAnnotTool(CGisEditView* view, int16_t mode)
    : BaseGisTool(view, mode), m_nPntArea(m_pntAi), m_nLinArea(m_linAi), m_nRegArea(m_regAi) {
  // A copy of the row: a registration while the tool runs changes later
  // tools only.
  if (const AnnotModeRow* row = FindMode(mode)) {
    row_ = *row;
    if (row_.start) row_.start(*this);
  }
}

CSecAnnotTool::~CSecAnnotTool() { m_nMode = 0; }

int CSecAnnotTool::OnLButtonDown(unsigned flags, CPoint point) {
  m_ptCursor = point;
  if (row_.down) row_.down(*this, flags, point);
  return 1;
}

void CSecAnnotTool::OnMouseMove(unsigned flags, CPoint point) {
  m_ptCursor = point;
  if (row_.move) row_.move(*this, flags, point);
}

int CSecAnnotTool::OnLButtonUp(unsigned flags, CPoint point) {
  m_ptCursor = point;
  if (row_.up) row_.up(*this, flags, point);
  return 1;
}

void CSecAnnotTool::OnRButtonUp(unsigned flags, CPoint point) {
  // The mode's work may replace this tool: keep what the 517 step needs.
  CGisEditView* view = m_pView;
  if (row_.right) row_.right(*this, flags, point);
  PassRightButtonOn(view, flags, point);
}

void CSecAnnotTool::DrawHook(KernelDriver* dc) {
  if (row_.draw)
    row_.draw(*this, dc);
  else
    IgnoreDrawHook(dc);
}

void AnnotSelect(CSecAnnotTool& tool, AnnotPick pick, unsigned message, unsigned flags, CPoint point) {
  CGisEditView* view = tool.View();
  if (!view) return;
  switch (pick) {
    case AnnotPick::kAll: view->SelectAll(message, flags, point); break;
    case AnnotPick::kLin: view->SelectLin(message, flags, point, 0); break;
    case AnnotPick::kReg: view->SelectReg(message, flags, point); break;
  }
}

void StopTool(CSecAnnotTool& tool, unsigned flags, CPoint point) { StopActiveTool(tool, flags, point); }

}  // namespace zv::annot
