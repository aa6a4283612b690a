#include "framework/docview/document.h"

#include <QFileInfo>
#include <memory>

#include "framework/docview/child_frame.h"
#include "framework/docview/doc_template.h"
#include "framework/docview/mdi_frame.h"
#include "framework/docview/view.h"
#include "framework/docview/win_app.h"

namespace zv::docview {

CDocument::CDocument() = default;
CDocument::~CDocument() {
  for (CChildFrame* frame : frames_) frame->document_ = nullptr;
}

void CDocument::SetPathName(const QString& path, bool addToRecent) {
  pathName_ = path;
  title_ = QFileInfo(path).fileName();
  if (addToRecent && App() != nullptr && !path.isEmpty()) App()->recentFiles().Add(path);
}

bool CDocument::OnNewDocument() {
  SetModifiedFlag(false);
  return true;
}

bool CDocument::OnOpenDocument(const QString&) {
  SetModifiedFlag(false);
  return true;
}

bool CDocument::CanCloseFrame(CChildFrame*) { return true; }

void CDocument::OnCloseDocument() {
  closing_ = true;
  if (App() != nullptr) App()->DocumentClosing(this);
  const std::vector<CChildFrame*> frames = frames_;
  for (CChildFrame* frame : frames) frame->CloseFromDocument();
  frames_.clear();
  if (template_ != nullptr) {
    std::unique_ptr<CDocument> self = template_->RemoveDocument(this);
    template_ = nullptr;
    // Deleted once the caller and what it posted have run.
    if (self) self.release()->deleteLater();
  }
}

CView* CDocument::GetFirstView() const { return frames_.empty() ? nullptr : frames_.front()->GetActiveView(); }

void CDocument::ActivateFirstFrame() const {
  if (frames_.empty() || App() == nullptr || App()->GetMainWnd() == nullptr) return;
  App()->GetMainWnd()->ActivateFrame(frames_.front());
}

}  // namespace zv::docview
