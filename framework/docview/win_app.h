#pragma once
// The application object in place of the framework's: the document
// templates in their order, the main frame, the framework's open (a document
// already open under the same canonical path is activated and returned;
// otherwise the first template opens the file), new documents, the recent
// files, and the framework's commands (class "CWinApp"; an application class
// that names it as its base overrides rows with its own).

#include <QObject>
#include <QString>
#include <memory>
#include <vector>

#include "framework/commands/command_table.h"
#include "framework/docview/recent_files.h"

namespace zv::docview {

class CDocTemplate;
class CDocument;
class CMDIFrameWnd;

// The framework's command ids.
enum FrameworkCommand : int {
  kIdFileNew = 57600,
  kIdFileOpen = 57601,
  kIdFilePrintSetup = 57606,
  kIdFileMruFirst = 57616,
  kIdFileMruLast = 57620,
  kIdAppAbout = 57664,
  kIdAppExit = 57665,
};

class CWinApp : public QObject, public cmd::CommandTarget {
 public:
  CWinApp();
  ~CWinApp() override;

  std::string_view CommandClass() const override { return "CWinApp"; }

  CDocTemplate* AddDocTemplate(std::unique_ptr<CDocTemplate> docTemplate);
  std::vector<CDocTemplate*> Templates() const;
  // Every open document, template by template.
  std::vector<CDocument*> Documents() const;

  CMDIFrameWnd* GetMainWnd() const { return mainWnd_; }
  void SetMainWnd(CMDIFrameWnd* frame) { mainWnd_ = frame; }

  // Where every file the user opens goes (command line, drops, recent files,
  // the open command); the application overrides it.
  virtual CDocument* OpenDocumentFile(const QString& path);
  // The framework's own open.
  CDocument* FrameworkOpenDocumentFile(const QString& path);
  // A new document from the first template with a new-file name.
  CDocument* FrameworkNewDocument();

  // Closes every document without asking (the asking is the main frame's).
  void CloseAllDocuments();

  RecentFiles& recentFiles() { return recent_; }

  // Called by a closing document before it goes away, so the application
  // forgets it.
  virtual void DocumentClosing(CDocument* document) {}

  // The framework's command rows (new, open, print set-up, recent files,
  // exit).
  static void RegisterCommands(cmd::CommandRegistry& registry = cmd::Registry());

 private:
  std::vector<std::unique_ptr<CDocTemplate>> templates_;
  CMDIFrameWnd* mainWnd_ = nullptr;
  RecentFiles recent_;
};

// The one application object; null before it exists.
CWinApp* App();

// Paths compared as the file system names them: canonical when the file
// exists, else absolute and cleaned.
QString CanonicalPath(const QString& path);

}  // namespace zv::docview
