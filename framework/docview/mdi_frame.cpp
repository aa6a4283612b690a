#include "framework/docview/mdi_frame.h"

#include <QCloseEvent>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QMenuBar>
#include <QMimeData>
#include <QStatusBar>
#include <QUrl>

#include "framework/docview/child_frame.h"
#include "framework/docview/doc_template.h"
#include "framework/docview/document.h"
#include "framework/docview/view.h"
#include "framework/docview/win_app.h"

namespace zv::docview {

CMDIFrameWnd::CMDIFrameWnd(int defaultMenu, QWidget* parent)
    : QMainWindow(parent), area_(new QMdiArea(this)), defaultMenu_(defaultMenu) {
  setCentralWidget(area_);
  setAcceptDrops(true);
  menus_ = new cmd::CommandMenus(
      *this, [this] { return CommandRoute(); }, [this](const QString& text) { ShowNotice(text); });
  connect(area_, &QMdiArea::subWindowActivated, this, [this] { UpdateMenu(); });
  UpdateMenu();
}

CMDIFrameWnd::~CMDIFrameWnd() {
  // The widgets closing below must not reach a frame half destroyed.
  disconnect(area_, nullptr, this, nullptr);
  for (QMdiSubWindow* sub : area_->subWindowList()) disconnect(sub, nullptr, this, nullptr);
}

CChildFrame* CMDIFrameWnd::MDIGetActive() const {
  // The current sub-window stays current while the program is not the
  // active application (offscreen, or another program in front).
  return dynamic_cast<CChildFrame*>(area_->currentSubWindow());
}

CDocument* CMDIFrameWnd::GetActiveDocument() const {
  CChildFrame* frame = MDIGetActive();
  return frame ? frame->GetActiveDocument() : nullptr;
}

CView* CMDIFrameWnd::GetActiveView() const {
  CChildFrame* frame = MDIGetActive();
  return frame ? frame->GetActiveView() : nullptr;
}

void CMDIFrameWnd::ActivateFrame(CChildFrame* frame) {
  if (frame == nullptr) return;
  area_->setActiveSubWindow(frame);
  UpdateMenu();
}

void CMDIFrameWnd::AddChildFrame(CChildFrame* frame) {
  area_->addSubWindow(frame);
  connect(frame, &QObject::destroyed, this, [this] { UpdateMenu(); });
}

cmd::Route CMDIFrameWnd::CommandRoute() const {
  CChildFrame* frame = MDIGetActive();
  return {frame ? frame->GetActiveView() : nullptr, frame, const_cast<CMDIFrameWnd*>(this), App()};
}

cmd::RunResult CMDIFrameWnd::RunCommand(int id) { return menus_->Run(id); }

void CMDIFrameWnd::UpdateMenu() {
  CDocument* document = GetActiveDocument();
  CDocTemplate* docTemplate = document ? document->GetDocTemplate() : nullptr;
  const int menu = docTemplate ? docTemplate->GetResourceId() : defaultMenu_;
  if (menu != menus_->shownMenu()) menus_->Show(*menuBar(), menu);
}

bool CMDIFrameWnd::OnClose() {
  CDocument* document = GetActiveDocument();
  return document == nullptr || document->CanCloseFrame(MDIGetActive());
}

void CMDIFrameWnd::closeEvent(QCloseEvent* event) {
  if (!OnClose()) {
    event->ignore();
    return;
  }
  if (App() != nullptr) App()->CloseAllDocuments();
  QMainWindow::closeEvent(event);
}

void CMDIFrameWnd::dragEnterEvent(QDragEnterEvent* event) {
  if (event->mimeData()->hasUrls()) event->acceptProposedAction();
}

void CMDIFrameWnd::dropEvent(QDropEvent* event) {
  for (const QUrl& url : event->mimeData()->urls())
    if (url.isLocalFile() && App() != nullptr) App()->OpenDocumentFile(url.toLocalFile());
  event->acceptProposedAction();
}

void CMDIFrameWnd::ShowNotice(const QString& text) { statusBar()->showMessage(text, 5000); }

}  // namespace zv::docview
