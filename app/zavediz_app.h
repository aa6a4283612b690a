#pragma once
// The application: start-up, the two document templates (section 141 first,
// then plan 107: the framework's open takes the first, and the activation
// message walks them in this order), the routing of opened files by their
// extension, the activation message 0x468 from the tab strips, and the
// application's own commands (app_commands.cpp).

#include <QStringList>
#include <cstdint>
#include <memory>

#include "framework/docview/win_app.h"
#include "framework/messages/private_message.h"

namespace zv {

class CMainFrame;
class CZavedizDoc;

class CZavedizApp : public docview::CWinApp {
 public:
  CZavedizApp();
  ~CZavedizApp() override;

  std::string_view CommandClass() const override { return "CZavedizApp"; }

  // Loads the settings, makes the templates and the main frame (maximised)
  // and opens the file named on the command line (arguments[1]); false when
  // that file cannot be opened.
  bool InitInstance(const QStringList& arguments);

  // Map files go into the active document's project when it has one; ".mpj"
  // files into the plan template; anything else to the shell.
  docview::CDocument* OpenDocumentFile(const QString& path) override;
  void DocumentClosing(docview::CDocument* document) override;

  // 0x468: lParam 0 the last project document, 1 the last file document, 2
  // the documents named by CurrentWorkspaceFileName; others nothing.
  void OnTabMessage(std::intptr_t wParam, std::intptr_t lParam);

  CMainFrame* MainFrame() const { return frame_.get(); }
  docview::CDocTemplate* ProjectTemplate() const { return projectTemplate_; }
  docview::CDocTemplate* ZavedizTemplate() const { return zavedizTemplate_; }
  CZavedizDoc* LastProjectDocument() const { return lastProjectDocument_; }
  CZavedizDoc* LastZavedizDocument() const { return lastZavedizDocument_; }

  // The application's command rows and their menu rows.
  static void RegisterCommands();

 private:
  docview::CDocTemplate* projectTemplate_ = nullptr;
  docview::CDocTemplate* zavedizTemplate_ = nullptr;
  CZavedizDoc* lastProjectDocument_ = nullptr;
  CZavedizDoc* lastZavedizDocument_ = nullptr;
  std::unique_ptr<CMainFrame> frame_;
  msg::ApplicationMessageHook hook_;
};

// The running application (null before it exists).
CZavedizApp* TheApp();

}  // namespace zv
