#include "views/project_page/prj_dlg.h"

#include <QVBoxLayout>

#include "framework/messages/pane_window_table.h"
#include "framework/messages/private_message.h"
#include "views/project_page/sec_prj_list_view.h"

namespace zv::projectpage {

CPrjDlg::CPrjDlg(QWidget* parent) : QWidget(parent) {
  setObjectName(QStringLiteral("CPrjDlg"));
  msg::PaneWindows().Record(msg::PaneEntry::kProjectPage, this);
  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(0, 0, 0, 0);
  view_ = new CSecPrjListView(this);
  view_->setObjectName(QStringLiteral("CSecPrjListView"));
  layout->addWidget(view_);
  view_->OnInitialUpdate();
}

bool CPrjDlg::event(QEvent* event) {
  const msg::PrivateMessageEvent* message = msg::AsPrivateMessage(event);
  if (!message || message->message() != msg::kSetProject) return QWidget::event(event);
  // The documents post (0, 1) when a project document closes and (0, 0)
  // otherwise; a 1 in wParam empties the list as well.
  if (message->lParam() == 1 || message->wParam() == 1) {
    view_->ShowProject(nullptr);
  } else if (MapProject* project = ActiveDocumentProject()) {
    view_->ShowProject(project);
  }
  return true;
}

}  // namespace zv::projectpage
