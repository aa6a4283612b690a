#pragma once
// Document templates: a resource id (also the number of the menu shown while
// one of its documents is active), a document string, the document class and
// the view class of its frames. The template owns its documents.

#include <QString>
#include <functional>
#include <memory>
#include <string>
#include <vector>

namespace zv::docview {

class CDocument;
class CChildFrame;

class CDocTemplate {
 public:
  using DocumentFactory = std::function<std::unique_ptr<CDocument>()>;

  CDocTemplate(int resourceId, QString docString, DocumentFactory makeDocument, std::string viewClass);
  ~CDocTemplate();

  int GetResourceId() const { return resourceId_; }
  const std::string& viewClass() const { return viewClass_; }
  // The new-file name of the document string ("\nZavediz\n..." → "Zavediz");
  // empty when the template has none, so 新建 does not offer it.
  QString NewFileName() const;

  std::vector<CDocument*> Documents() const;

  // Opens `path` in a new document and frame; an empty path makes a new
  // document (OnNewDocument). Null, and nothing left behind, on failure.
  CDocument* OpenDocumentFile(const QString& path);

  // Takes a closing document out of the template; the caller owns it now.
  std::unique_ptr<CDocument> RemoveDocument(CDocument* document);

 private:
  CChildFrame* CreateNewFrame(CDocument* document);
  void DiscardDocument(CDocument* document);

  int resourceId_;
  QString docString_;
  DocumentFactory makeDocument_;
  std::string viewClass_;
  std::vector<std::unique_ptr<CDocument>> documents_;
};

}  // namespace zv::docview
