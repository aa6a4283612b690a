#include "views/sec_prj_tool_view.h"

#include <QMouseEvent>

#include "framework/messages/pane_window_table.h"
#include "framework/messages/private_message.h"
#include "platform/view/mouse_points.h"
#include "views/tool_view_draw.h"
#include "views/tool_view_events.h"
#include "views/tool_view_requests.h"

namespace zv {

CSecPrjToolView::CSecPrjToolView(QWidget* parent) : CSecPrjEditView(parent), ToolViewShared(static_cast<CSecPrjEditView&>(*this)) {}

void CSecPrjToolView::OnInitialUpdate() {
  msg::PaneWindows().Record(msg::PaneEntry::kProjectToolView, this);
  CSecPrjEditView::OnInitialUpdate();
  savedEditorOrtho = editorOrtho();
}

std::vector<WorkAreaHandle> CSecPrjToolView::ProjectAreas(int kind) const {
  const MapProject* project = GetProject();
  if (project == nullptr || PrjGetItemCount(project) == 0) return {};
  const std::vector<uint16_t> list = PrjGetAreaList(project, kind);
  // The list opens with its count.
  return list.empty() ? std::vector<WorkAreaHandle>{} : std::vector<WorkAreaHandle>(list.begin() + 1, list.end());
}

void CSecPrjToolView::_UserDraw(KernelDriver* dc) {
  CSecPrjEditView::_UserDraw(dc);
  DrawToolOverlay(*this, *dc);
}

bool CSecPrjToolView::event(QEvent* e) {
  if (const msg::PrivateMessageEvent* m = msg::AsPrivateMessage(e); m && m->message() == msg::kProjectToolRequest) {
    OnToolRequest(*this, m->wParam(), m->lParam());
    return true;
  }
  if (e->type() == QEvent::MouseMove) {
    const auto* move = static_cast<QMouseEvent*>(e);
    elevationTip_.OnMove(*this, MouseFlagsOf(move->buttons(), move->modifiers()), MousePointOf(move));
  }
  return ToolViewEvent(*this, e, [this](QEvent* passed) { return CSecPrjEditView::event(passed); });
}

}  // namespace zv
