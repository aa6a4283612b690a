#pragma once
// The one document class of both templates: it owns the platform project its
// views edit (null until a project is created or opened). Opening takes a
// ".mpj" (the project) or a ".wt", ".wl", ".wp" file (shown by the section
// view); anything else is refused. Closing tells the side panes which kind of
// document is current now, through private messages.
//
// The application's hooks it uses: `SkipProjectDialog` (set by 新建文件 so
// the next new document asks nothing; cleared by every new document) and
// docview::CWinApp::DocumentClosing, by which the application forgets a
// closing document.

#include <QString>
#include <QStringList>
#include <vector>

#include "framework/docview/document.h"
#include "platform/data/work_area.h"
#include "platform/project/map_project.h"
#include "zavediz/section_data/section_data.h"

namespace zv {

class CGisEditView;

// The application's new-document switch (0 at start).
bool& SkipProjectDialog();

class CZavedizDoc : public docview::CDocument {
 public:
  CZavedizDoc();
  ~CZavedizDoc() override;

  bool OnNewDocument() override;
  bool OnOpenDocument(const QString& path) override;
  bool CanCloseFrame(docview::CChildFrame* frame) override;
  void OnCloseDocument() override;

  MapProject* GetProject() const { return project_; }

  // The section being built from this plan document (the section commands
  // fill it, the section view draws from it).
  zavediz::SectionData& Section() { return section_; }
  const zavediz::SectionData& Section() const { return section_; }
  // Starts a new section line; `withTitleBlock` also forgets the header.
  void ResetZavedizData(bool withTitleBlock) { zavediz::ResetZavedizData(section_, withTitleBlock); }

  // Whether a path or title names a point, line or region file (its last three
  // characters, upper-cased, are ".WT", ".WL" or ".WP").
  static bool IsMapFileName(const QString& name);
  // A file document (a map file, or one whose stem and title stem differ),
  // as opposed to a project document.
  bool IsFileDocument() const;

  // The work areas this document would lose on close: the project's items
  // and what its section views show.
  std::vector<WorkAreaHandle> Areas() const;

 private:
  // Asks about unsaved changes and saves on Yes; false when the close is to
  // stop (Cancel, a failed save, or an area that may not be saved).
  bool ConfirmClose();
  bool SaveChanges(const std::vector<WorkAreaHandle>& modified);

  zavediz::SectionData section_;
  MapProject* project_ = nullptr;
};

// The first document (flag 0) whose title names a map file, or (flag 1) the
// first whose title does not; null when none.
CZavedizDoc* FindDocumentByExtension(int flag);

// Tells what reading a map or project file found: `failed`, that it could
// not be opened and why; else the entities skipped or mended while the rest
// loaded (nothing when none), so a damaged file is never shown as if whole.
void ShowFileReport(const QString& path, const files::FileReport& report, bool failed);

}  // namespace zv
