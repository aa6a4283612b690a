#include "platform/view/base_gis_tool.h"

#include "platform/view/gis_edit_view.h"

namespace zv {

BaseGisTool::BaseGisTool(CGisEditView* view, int16_t mode) : m_pView(view), m_nMode(mode) {
  if (view) {
    m_pntAi = view->GetCurrentPntArea();
    m_linAi = view->GetCurrentLinArea();
    m_regAi = view->GetCurrentRegArea();
  }
}

BaseGisTool::~BaseGisTool() = default;

int BaseGisTool::OnLButtonDown(unsigned, CPoint) { return 1; }
void BaseGisTool::OnMouseMove(unsigned, CPoint) {}
int BaseGisTool::OnLButtonUp(unsigned, CPoint) { return 1; }
void BaseGisTool::OnRButtonUp(unsigned, CPoint) {}
int BaseGisTool::OnKeyDown(unsigned, unsigned, unsigned) { return 1; }
void BaseGisTool::DrawHook(KernelDriver* dc) { IgnoreDrawHook(dc); }
void BaseGisTool::DrawBackGround(KernelDriver*) {}
int BaseGisTool::Running() { return figureInProgress_ ? 1 : 0; }
void BaseGisTool::RelayEvent(const tagMSG&) {}
const char* BaseGisTool::OperationName() const { return "当前状态: 工具操作"; }

void BaseGisTool::Stop() {
  if (!m_pView) return;
  m_pView->ClearPool();
  m_pView->_StopFlash(-1);
}

void IgnoreDrawHook(KernelDriver*) {}
void IgnoreMessage(unsigned, CPoint) {}
void StopActiveTool(BaseGisTool& tool, unsigned, CPoint) { tool.Stop(); }

}  // namespace zv
