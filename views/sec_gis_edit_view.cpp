#include "views/sec_gis_edit_view.h"

#include "app/app_settings.h"
#include "common/globals/program_globals.h"
#include "framework/docview/document.h"
#include "framework/messages/pane_window_table.h"
#include "framework/messages/private_message.h"
#include "platform/editor/workspace.h"
#include "views/core/view_settings.h"
#include "views/core/view_titles.h"
#include "views/edit_view_mouse.h"
#include "views/owner_draw_posts.h"
#include "views/plan_requests.h"
#include "views/view_chrome.h"

namespace zv {

CSecGisEditView::CSecGisEditView(QWidget* parent) : CGisEditView(parent), SecEditViewShared(static_cast<CGisEditView&>(*this)) {
  SetRulerBarShown(RulerBarSetting());
}

CSecGisEditView::~CSecGisEditView() = default;

const char* CSecGisEditView::ParameterFormat() const { return views::kSectionParmFormat; }

void CSecGisEditView::OnInitialUpdate() {
  ApplyViewSettings(*this);
  msg::PaneWindows().Record(msg::PaneEntry::kSectionEditView, this);
  const QString path = GetDocument() ? GetDocument()->GetPathName() : QString();
  if (GetDocument() != nullptr) {
    const int kind = BasGetFileKind(path.toStdString());
    if (kind >= kLineArea && kind <= kRegionArea) editor::LoadAreaFrom(*this, kind, path.toStdString());
  }
  OnRestoreWindow();
  _UpdateWindow();
  SetTabName(*this, QString::fromStdString(views::SectionTabName(path.toStdString(), CurrentFilePath().toStdString())));
  if (const long scale = views::ScaleOfAreas(GetCurrentRegArea(), GetCurrentPntArea(), GetCurrentLinArea()))
    Chrome().SetScaleDenominator(scale);
  if (Settings().seclect != 0) {
    CancelInterActive();
    SelectGraphics();
  }
  AttachToFrame(*this);
  SyncRulers(*this, 3, 0, 0);
}

void CSecGisEditView::OnActivateView() {
  UpdateTitleFromAreas();
  CurrentSectionTitle() = sectionTitle_;
  msg::PaneWindows().Post(msg::PaneEntry::kWorkspaceFileList, msg::kRefreshFileList, 0, 1);
  msg::PaneWindows().PostOrShow(msg::PaneEntry::kTabStrip, msg::kSelectSidePage, 0, 2,
                                QStringLiteral("CSecGisEditView发送TAB消息失败"));
}

void CSecGisEditView::UpdateTitleFromAreas() {
  const views::AreaTitle title = views::TitleFromAreas(GetCurrentPntArea(), GetCurrentLinArea(), GetCurrentRegArea());
  for (WorkAreaHandle area : title.refreshed)
    msg::PaneWindows().Post(msg::PaneEntry::kWorkspaceFileList, msg::kRefreshFileList, area, 3);
  sectionTitle_ = QString::fromStdString(title.title);
}

void CSecGisEditView::_OwnerDraw(KernelDriver* dc) {
  PostRefills(msg::PaneEntry::kAttributeQueryPage, {{GetCurrentPntArea(), 100}, {GetCurrentLinArea(), 101}, {GetCurrentRegArea(), 102}});
  CGisEditView::_OwnerDraw(dc);
  RedrawMeasurement(*this);
  SyncRulers(*this, 1, 0, 0);
  SyncRulers(*this, 0, 0, 0);
}

bool CSecGisEditView::event(QEvent* e) {
  if (const msg::PrivateMessageEvent* m = msg::AsPrivateMessage(e)) {
    if (m->message() == msg::kDocumentRequest) OnDocumentRequest(*this, m->wParam(), m->lParam());
    return true;
  }
  return PreviewViewEvent(*this, e) || CGisEditView::event(e);
}

}  // namespace zv
