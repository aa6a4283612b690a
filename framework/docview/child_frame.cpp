#include "framework/docview/child_frame.h"

#include <QCloseEvent>
#include <algorithm>

#include "framework/docview/document.h"
#include "framework/docview/view.h"
#include "framework/rulers/ruler_client.h"

namespace zv::docview {

CChildFrame::CChildFrame(CDocument* document, CView* view)
    : document_(document), view_(view), rulers_(new rulers::RulerClient(view->Widget())) {
  setAttribute(Qt::WA_DeleteOnClose);
  setWidget(rulers_);
  document_->frames_.push_back(this);
}

CChildFrame::~CChildFrame() {
  if (document_ != nullptr) std::erase(document_->frames_, this);
}

void CChildFrame::ShowRulers(int show) { rulers_->ShowRulers(show != 0); }

void CChildFrame::UpdateRulers(int mode, double originX, double originY, int cursorX, int cursorY, int, int,
                               float zoom) {
  rulers_->UpdateRulers(mode, originX, originY, cursorX, cursorY, zoom);
}

void CChildFrame::CloseFromDocument() {
  closingFromDocument_ = true;
  if (document_ != nullptr) std::erase(document_->frames_, this);
  document_ = nullptr;
  close();
}

void CChildFrame::closeEvent(QCloseEvent* event) {
  if (closingFromDocument_ || document_ == nullptr) {
    QMdiSubWindow::closeEvent(event);
    return;
  }
  // Only the last frame of a document asks and closes the document.
  if (document_->Frames().size() > 1) {
    QMdiSubWindow::closeEvent(event);
    return;
  }
  if (!document_->CanCloseFrame(this)) {
    event->ignore();
    return;
  }
  // The document's close step lets go of this frame (a nested close does
  // nothing while this one runs), so the frame closes with this event.
  document_->OnCloseDocument();
  QMdiSubWindow::closeEvent(event);
}

}  // namespace zv::docview
