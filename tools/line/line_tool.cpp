// The slots of the line tool.
#include "app/right_button_select.h"
#include "platform/display/kernel_driver.h"
#include "platform/view/gis_edit_view.h"
#include "tools/line/sec_line_tool.h"

namespace zv::tools {
CSecLineTool::CSecLineTool(CGisEditView* view, int16_t mode) : BaseGisTool(view, mode) {
  switch (mode) {
    case -2: FillSelectedRegions(); break;
    case 1: FillSelectedLines(); break;
    case 0: InsertContours(); break;
    case -1: FourPointStep(); break;
    case 2: ModifyDistanceAngle(); break;
    default: break;
  }
}

CSecLineTool::~CSecLineTool() = default;

bool CSecLineTool::IsBuilt(int16_t mode) { return mode >= -2 && mode <= 2; }

int CSecLineTool::OnLButtonDown(unsigned flags, CPoint point) {
  if (m_nMode == -2) m_pView->SelectReg(WM_LBUTTONDOWN, flags, point);
  m_pView->SelectLin(WM_LBUTTONDOWN, flags, point);
  if (m_nMode == -1) {
    FourPointStep();
    if (clicks_.size() < 4) {
      clicks_.push_back(point);
      ShowCross(point);
    }
  }
  return 1;
}

void CSecLineTool::OnMouseMove(unsigned flags, CPoint point) { m_pView->SelectLin(WM_MOUSEMOVE, flags, point); }

int CSecLineTool::OnLButtonUp(unsigned flags, CPoint point) {
  if (m_nMode == -2 && m_pView->SelectReg(WM_LBUTTONUP, flags, point) == 1) FillSelectedRegions();
  if (m_pView->SelectLin(WM_LBUTTONUP, flags, point) == 1) RunAfterSelect();
  if (m_nMode == -1) FourPointStep();
  return 1;
}

void CSecLineTool::RunAfterSelect() {
  if (m_nMode == 1) FillSelectedLines();
  if (m_nMode == 0) InsertContours();
  if (m_nMode == 2) ModifyDistanceAngle();
}

void CSecLineTool::OnRButtonUp(unsigned flags, CPoint point) {
  twoLines_ = false;
  m_pView->ClearPool();
  if (m_nMode != 2) {
    clicks_.clear();
    confirmed_ = false;
    m_nMode = 0;
    // The view deletes the tool once this event is over.
    m_pView->CancelInterActive();
  }
  PassRightButtonOn(m_pView, flags, point);
}

// Drawn plainly, so each stays until the next redraw whatever the mouse does.
void CSecLineTool::ShowCross(CPoint point) { m_pView->Draw_Cross(point, display::kDrawCopy); }

void CSecLineTool::DrawHook(KernelDriver*) {
  // A redraw starts from the map again: the crosses are drawn anew.
  if (m_nMode == -1)
    for (const CPoint& click : clicks_) ShowCross(click);
}

}  // namespace zv::tools
