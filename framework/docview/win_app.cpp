#include "framework/docview/win_app.h"

#include <QApplication>
#include <QDir>
#include <QFileInfo>
#include <QPageSetupDialog>
#include <QPrinter>

#include "framework/docview/child_frame.h"
#include "framework/docview/doc_template.h"
#include "framework/docview/document.h"
#include "framework/docview/mdi_frame.h"
#include "framework/prompts/prompts.h"

namespace zv::docview {
namespace {

CWinApp* gApp = nullptr;

CWinApp& AppOf(cmd::CommandTarget& target) { return static_cast<CWinApp&>(target); }

void OnFileNew(cmd::CommandTarget& t) { AppOf(t).FrameworkNewDocument(); }

void OnFileOpen(cmd::CommandTarget& t) {
  prompt::FileRequest request;
  request.filter = QStringLiteral("All Files (*.*)|*.*||");
  for (const QString& path : prompt::Current().ChooseFiles(request)) AppOf(t).OpenDocumentFile(path);
}

void OnFilePrintSetup(cmd::CommandTarget&) {
  QPrinter printer;
  QPageSetupDialog dialog(&printer, prompt::GetMainWnd());
  prompt::Current().Exec(dialog);
}

template <int Index>
void OnOpenRecentFile(cmd::CommandTarget& t) {
  CWinApp& app = AppOf(t);
  if (Index >= app.recentFiles().paths().size()) return;
  const QString path = app.recentFiles().paths().at(Index);
  // A file that is gone leaves the list, as it can never open again, and
  // the user learns why the item did nothing.
  if (!QFileInfo::exists(path)) {
    app.recentFiles().Remove(Index);
    prompt::Message(QStringLiteral("文件“%1”已不存在，已从最近文件列表中删除。").arg(path));
    return;
  }
  app.OpenDocumentFile(path);
}

template <int Index>
cmd::CommandUpdate RecentFileShown(cmd::CommandTarget& t) {
  const QStringList& paths = AppOf(t).recentFiles().paths();
  if (Index >= paths.size()) return {false, false, {}};
  return {true, false, QStringLiteral("&%1 %2").arg(Index + 1).arg(paths.at(Index)).toStdString()};
}

void OnAppExit(cmd::CommandTarget& t) {
  if (CMDIFrameWnd* main = AppOf(t).GetMainWnd()) main->close();
}

constexpr cmd::CommandRow kRows[] = {
    cmd::Handler(kIdFileNew, OnFileNew, "OnFileNew"),
    cmd::Handler(kIdFileOpen, OnFileOpen, "OnFileOpen"),
    cmd::Handler(kIdFilePrintSetup, OnFilePrintSetup, "OnFilePrintSetup"),
    cmd::Handler(57616, OnOpenRecentFile<0>, "OnOpenRecentFile", RecentFileShown<0>),
    cmd::Handler(57617, OnOpenRecentFile<1>, "OnOpenRecentFile", RecentFileShown<1>),
    cmd::Handler(57618, OnOpenRecentFile<2>, "OnOpenRecentFile", RecentFileShown<2>),
    cmd::Handler(57619, OnOpenRecentFile<3>, "OnOpenRecentFile", RecentFileShown<3>),
    cmd::Handler(57620, OnOpenRecentFile<4>, "OnOpenRecentFile", RecentFileShown<4>),
    cmd::Handler(kIdAppExit, OnAppExit, "OnAppExit"),
};

}  // namespace

CWinApp* App() { return gApp; }

QString CanonicalPath(const QString& path) {
  const QFileInfo info(path);
  const QString canonical = info.canonicalFilePath();
  return canonical.isEmpty() ? QDir::cleanPath(info.absoluteFilePath()) : canonical;
}

CWinApp::CWinApp() { gApp = this; }

CWinApp::~CWinApp() {
  if (gApp == this) gApp = nullptr;
}

void CWinApp::RegisterCommands(cmd::CommandRegistry& registry) {
  registry.DeclareClass("CWinApp", "");
  registry.AddRows("CWinApp", kRows);
}

CDocTemplate* CWinApp::AddDocTemplate(std::unique_ptr<CDocTemplate> docTemplate) {
  templates_.push_back(std::move(docTemplate));
  return templates_.back().get();
}

std::vector<CDocTemplate*> CWinApp::Templates() const {
  std::vector<CDocTemplate*> list;
  for (const auto& t : templates_) list.push_back(t.get());
  return list;
}

std::vector<CDocument*> CWinApp::Documents() const {
  std::vector<CDocument*> list;
  for (const auto& t : templates_)
    for (CDocument* d : t->Documents()) list.push_back(d);
  return list;
}

CDocument* CWinApp::OpenDocumentFile(const QString& path) { return FrameworkOpenDocumentFile(path); }

CDocument* CWinApp::FrameworkOpenDocumentFile(const QString& path) {
  const QString wanted = CanonicalPath(path);
  for (CDocument* document : Documents())
    if (!document->GetPathName().isEmpty() && CanonicalPath(document->GetPathName()) == wanted) {
      document->ActivateFirstFrame();
      return document;
    }
  return templates_.empty() ? nullptr : templates_.front()->OpenDocumentFile(path);
}

CDocument* CWinApp::FrameworkNewDocument() {
  for (const auto& t : templates_)
    if (!t->NewFileName().isEmpty()) return t->OpenDocumentFile(QString());
  return nullptr;
}

void CWinApp::CloseAllDocuments() {
  for (CDocument* document : Documents()) document->OnCloseDocument();
}

}  // namespace zv::docview
