#include "framework/docview/doc_template.h"

#include <algorithm>

#include "framework/docview/child_frame.h"
#include "framework/docview/document.h"
#include "framework/docview/mdi_frame.h"
#include "framework/docview/view.h"
#include "framework/docview/win_app.h"

namespace zv::docview {

CDocTemplate::CDocTemplate(int resourceId, QString docString, DocumentFactory makeDocument, std::string viewClass)
    : resourceId_(resourceId), docString_(std::move(docString)), makeDocument_(std::move(makeDocument)),
      viewClass_(std::move(viewClass)) {}

CDocTemplate::~CDocTemplate() {
  // Documents go before the frames that the main frame still holds.
  for (auto& document : documents_) document->template_ = nullptr;
}

QString CDocTemplate::NewFileName() const { return docString_.section(QLatin1Char('\n'), 1, 1); }

std::vector<CDocument*> CDocTemplate::Documents() const {
  std::vector<CDocument*> list;
  for (const auto& d : documents_) list.push_back(d.get());
  return list;
}

std::unique_ptr<CDocument> CDocTemplate::RemoveDocument(CDocument* document) {
  const auto it = std::find_if(documents_.begin(), documents_.end(), [document](const auto& d) { return d.get() == document; });
  if (it == documents_.end()) return nullptr;
  std::unique_ptr<CDocument> owned = std::move(*it);
  documents_.erase(it);
  return owned;
}

CChildFrame* CDocTemplate::CreateNewFrame(CDocument* document) {
  CMDIFrameWnd* main = App() != nullptr ? App()->GetMainWnd() : nullptr;
  CView* view = CreateView(viewClass_, nullptr);
  if (view == nullptr) return nullptr;
  view->document_ = document;
  auto* frame = new CChildFrame(document, view);
  if (main != nullptr) main->AddChildFrame(frame);
  return frame;
}

void CDocTemplate::DiscardDocument(CDocument* document) {
  for (CChildFrame* frame : std::vector<CChildFrame*>(document->Frames())) frame->CloseFromDocument();
  std::unique_ptr<CDocument> owned = RemoveDocument(document);
  if (owned) owned.release()->deleteLater();
}

CDocument* CDocTemplate::OpenDocumentFile(const QString& path) {
  if (!makeDocument_) return nullptr;
  std::unique_ptr<CDocument> made = makeDocument_();
  CDocument* document = made.get();
  document->template_ = this;
  documents_.push_back(std::move(made));
  CChildFrame* frame = CreateNewFrame(document);
  if (frame == nullptr) {
    DiscardDocument(document);
    return nullptr;
  }
  const bool ok = path.isEmpty() ? document->OnNewDocument() : document->OnOpenDocument(path);
  if (!ok) {
    DiscardDocument(document);
    return nullptr;
  }
  if (!path.isEmpty()) document->SetPathName(path);
  frame->showMaximized();
  if (App() != nullptr && App()->GetMainWnd() != nullptr) App()->GetMainWnd()->ActivateFrame(frame);
  frame->GetActiveView()->OnInitialUpdate();
  return document;
}

}  // namespace zv::docview
