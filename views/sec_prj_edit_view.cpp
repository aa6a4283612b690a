#include "views/sec_prj_edit_view.h"

#include "app/app_settings.h"
#include "framework/messages/pane_window_table.h"
#include "framework/messages/private_message.h"
#include "views/core/view_settings.h"
#include "views/core/view_titles.h"
#include "views/edit_view_mouse.h"
#include "views/flash_requests.h"
#include "views/owner_draw_posts.h"
#include "views/plan_requests.h"
#include "views/project_save_commands.h"
#include "views/view_chrome.h"
#include "views/zavediz_doc.h"

namespace zv {
namespace {

// The project list's item flags, posted by address to the list.
views::ItemFlags& SharedItemFlags() {
  static views::ItemFlags flags{};
  return flags;
}

}  // namespace

CSecPrjEditView::CSecPrjEditView(QWidget* parent) : CPrjEditView(parent), SecEditViewShared(static_cast<CGisEditView&>(*this)) {
  SetRulerBarShown(RulerBarSetting());
  autoSave_.setObjectName(QStringLiteral("autoSaveTimer"));
  QObject::connect(&autoSave_, &QTimer::timeout, this, [this] { OnAutoSaveTimer(*this); });
}

CSecPrjEditView::~CSecPrjEditView() = default;

const char* CSecPrjEditView::ParameterFormat() const { return views::kPlanParmFormat; }

void CSecPrjEditView::OnInitialUpdate() {
  ApplyViewSettings(*this);
  selectionMode = Settings().seclect;
  msg::PaneWindows().Record(msg::PaneEntry::kProjectEditView, this);
  auto* doc = dynamic_cast<CZavedizDoc*>(GetDocument());
  SetProject(doc ? doc->GetProject() : nullptr);
  OnRestoreWindow();
  _UpdateWindow();
  const QString path = GetDocument() ? GetDocument()->GetPathName() : QString();
  SetTabName(*this, QString::fromStdString(views::LastPathPart(path.toStdString())));
  if (const long scale = views::ScaleOfProject(GetProject())) Chrome().SetScaleDenominator(scale);
  if (Settings().seclect != 0) SelectGraphics();
  AttachToFrame(*this);
  SyncRulers(*this, 3, 0, 0);
}

void CSecPrjEditView::OnActivateView() {
  if (GetDocument() != nullptr) msg::PaneWindows().Post(msg::PaneEntry::kProjectPage, msg::kSetProject, 0, 0);
  msg::PaneWindows().PostOrShow(msg::PaneEntry::kTabStrip, msg::kSelectSidePage, 0, 1,
                                QStringLiteral("CSecPrjEditView发送TAB消息失败"));
}

QString CSecPrjEditView::StatusText() {
  // A single pick names the file it lies in.
  if (PoolCount() == 1 && BasIsWorkAreaValid(Pool()[0].area) != 0)
    return QString::fromStdString(BasGetWorkAreaFileName(Pool()[0].area));
  return SecEditViewShared::StatusText();
}

void CSecPrjEditView::AfterStatus() {
  const SelectionPool& pool = SelectionPool_();
  if (status.ItemMarks(GetProject(), pool.entries(), pool.revision(), SharedItemFlags()))
    msg::PaneWindows().Post(msg::PaneEntry::kProjectList, msg::kListRequest,
                            reinterpret_cast<std::intptr_t>(SharedItemFlags().data()), 1);
}

void CSecPrjEditView::OnRightPress() { Settings().seclect = selectionMode; }

void CSecPrjEditView::SetAutoSave(bool on, int intervalMs) {
  autoSaveOn_ = on;
  if (on)
    autoSave_.start(intervalMs);
  else
    autoSave_.stop();
}

void CSecPrjEditView::_OwnerDraw(KernelDriver* dc) {
  PostRefills(msg::PaneEntry::kStrataList, {{0, 0}});
  CPrjEditView::_OwnerDraw(dc);
  RedrawMeasurement(*this);
  SyncRulers(*this, 1, 0, 0);
  SyncRulers(*this, 0, 0, 0);
}

bool CSecPrjEditView::event(QEvent* e) {
  if (const msg::PrivateMessageEvent* m = msg::AsPrivateMessage(e)) {
    if (m->message() == msg::kPlanRequest) OnPlanRequest(*this, m->wParam(), m->lParam());
    if (m->message() == msg::kFlashEntity) OnFlashRequest(*this, m->wParam(), m->lParam());
    return true;
  }
  return PreviewViewEvent(*this, e) || CPrjEditView::event(e);
}

}  // namespace zv
