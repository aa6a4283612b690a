#include "views/sec_tool_view.h"

#include "framework/messages/pane_window_table.h"
#include "framework/messages/private_message.h"
#include "platform/tin/tin_draw.h"
#include "views/tool_view_draw.h"
#include "views/tool_view_events.h"
#include "views/tool_view_requests.h"

namespace zv {

CSecToolView::CSecToolView(QWidget* parent) : CSecGisEditView(parent), ToolViewShared(static_cast<CSecGisEditView&>(*this)) {}

void CSecToolView::OnInitialUpdate() {
  CSecGisEditView::OnInitialUpdate();
  msg::PaneWindows().Record(msg::PaneEntry::kSectionToolView, this);
  savedEditorOrtho = editorOrtho();
}

void CSecToolView::SetCurrentArea(WorkAreaHandle area) {
  if (!ChangeCurAi(area)) return;
  UpdateTitleFromAreas();
  OnRestoreWindow();
}

void CSecToolView::_UserDraw(KernelDriver* dc) {
  CSecGisEditView::_UserDraw(dc);
  // The TIN the surface commands keep for this view, under the tool marks.
  tin::DrawViewTin(static_cast<const CGisEditView*>(this), *dc);
  DrawToolOverlay(*this, *dc);
}

bool CSecToolView::event(QEvent* e) {
  if (const msg::PrivateMessageEvent* m = msg::AsPrivateMessage(e); m && m->message() == msg::kSectionToolRequest) {
    OnToolRequest(*this, m->wParam(), m->lParam());
    return true;
  }
  return ToolViewEvent(*this, e, [this](QEvent* passed) { return CSecGisEditView::event(passed); });
}

}  // namespace zv
