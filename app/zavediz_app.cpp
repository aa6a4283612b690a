#include "app/zavediz_app.h"

#include <QCoreApplication>
#include <QFileInfo>

#include "app/app_settings.h"
#include "app/main_frame.h"
#include "common/globals/program_globals.h"
#include "framework/docview/child_frame.h"
#include "framework/docview/doc_template.h"
#include "framework/docview/view.h"
#include "framework/messages/pane_window_table.h"
#include "framework/prompts/prompts.h"
#include "framework/shell/shell_open.h"
#include "platform/data/work_area.h"
#include "platform/view/gis_view.h"
#include "views/zavediz_doc.h"

namespace zv {
namespace {

std::unique_ptr<docview::CDocument> MakeDocument() { return std::make_unique<CZavedizDoc>(); }

// The document string of the plan template; the section template has none,
// so only the plan template makes new documents through 新建工程.
constexpr const char* kProjectDocString = "\nZavediz\nZavediz\n\n\nZavediz.Document\nZavediz Document";

void Redraw(docview::CDocument& document) {
  for (docview::CChildFrame* frame : document.Frames())
    if (auto* view = dynamic_cast<CGisView*>(frame->GetActiveView() ? frame->GetActiveView()->Widget() : nullptr))
      view->_UpdateWindow();
}

// The project's item of the same file as `path`, −1 when none.
int ItemOfFile(const MapProject* project, const QString& path) {
  const QString wanted = docview::CanonicalPath(path);
  for (int i = 0; i < PrjGetItemCount(project); ++i)
    if (docview::CanonicalPath(QString::fromStdString(PrjGetItemPath(project, i))) == wanted) return i;
  return -1;
}

}  // namespace

CZavedizApp* TheApp() { return dynamic_cast<CZavedizApp*>(docview::App()); }

CZavedizApp::CZavedizApp()
    : hook_([this](const msg::PrivateMessageEvent& m) {
        if (m.message() == msg::kActivateDocument) OnTabMessage(m.wParam(), m.lParam());
      }) {}

CZavedizApp::~CZavedizApp() {
  CloseAllDocuments();
  // What the closes posted (pane messages, the projects' release) and the
  // closed documents themselves go before the frame and the templates.
  QCoreApplication::sendPostedEvents();
  QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
  frame_.reset();
}

bool CZavedizApp::InitInstance(const QStringList& arguments) {
  // One file object: its keys are parsed once for both groups.
  const ProfileFile settingsFile = SettingsFile();
  LoadSettings(0, Settings(), settingsFile);
  LoadSettings(1, Settings(), settingsFile);
  BackgroundPicturePath() = QString::fromStdString(Settings().backPicture);
  zavedizTemplate_ = AddDocTemplate(std::make_unique<docview::CDocTemplate>(cmd::kMenuSection, QString(), MakeDocument,
                                                                            "CSecToolView"));
  projectTemplate_ = AddDocTemplate(std::make_unique<docview::CDocTemplate>(
      cmd::kMenuPlan, QString::fromUtf8(kProjectDocString), MakeDocument, "CSecPrjToolView"));
  frame_ = std::make_unique<CMainFrame>();
  SetMainWnd(frame_.get());
  prompt::SetMainWindow(frame_.get());
  frame_->RecordSilentReceivers();
  if (arguments.size() > 1 && OpenDocumentFile(arguments.at(1)) == nullptr) return false;
  frame_->showMaximized();
  return true;
}

docview::CDocument* CZavedizApp::OpenDocumentFile(const QString& path) {
  const QString e3 = path.right(3).toUpper();
  if (e3 == QLatin1String(".WL") || e3 == QLatin1String(".WP") || e3 == QLatin1String(".WT")) {
    auto* active = frame_ ? dynamic_cast<CZavedizDoc*>(frame_->GetActiveDocument()) : nullptr;
    if (active == nullptr || active->GetProject() == nullptr) return FrameworkOpenDocumentFile(path);
    MapProject* project = active->GetProject();
    // A file the project already holds (by any name: a link, another case
    // of a relative path) is shown, not read in again as a second item whose
    // save would overwrite the first one's edits.
    int item = ItemOfFile(project, path);
    if (item < 0) {
      files::FileReport report;
      item = PrjAddItem(project, path.toStdString(), 0, -1, &report);
      // A damaged file that still loads in part is told; one that cannot
      // load at all is told once, by the document below.
      if (item >= 0) ShowFileReport(path, report, false);
    }
    const WorkAreaHandle area = item < 0 ? 0 : PrjGetItemArea(project, item);
    if (area != 0 && BasIsWorkAreaValid(area)) {
      frame_->ShowAttributeBar(1);
      msg::PaneWindows().Post(msg::PaneEntry::kStrataList, msg::kRefillList, 0, area);
      Redraw(*active);
      return nullptr;
    }
    // A file that cannot be opened is told once, by the document.
    lastZavedizDocument_ = dynamic_cast<CZavedizDoc*>(zavedizTemplate_->OpenDocumentFile(path));
    return lastZavedizDocument_ ? FrameworkOpenDocumentFile(path) : nullptr;
  }
  if (path.right(4).toUpper() == QLatin1String(".MPJ")) {
    // An open project is activated, not read a second time.
    for (docview::CDocument* d : Documents())
      if (docview::CanonicalPath(d->GetPathName()) == docview::CanonicalPath(path)) return FrameworkOpenDocumentFile(path);
    CZavedizDoc* opened = dynamic_cast<CZavedizDoc*>(projectTemplate_->OpenDocumentFile(path));
    if (opened == nullptr) return nullptr;
    lastProjectDocument_ = opened;
    return FrameworkOpenDocumentFile(path);
  }
  shell::Open(path);
  return nullptr;
}

void CZavedizApp::DocumentClosing(docview::CDocument* document) {
  if (document == lastProjectDocument_) lastProjectDocument_ = nullptr;
  if (document == lastZavedizDocument_) lastZavedizDocument_ = nullptr;
}

void CZavedizApp::OnTabMessage(std::intptr_t, std::intptr_t lParam) {
  const std::optional<msg::ActivatedDocument> kind = msg::DocumentToActivate(lParam);
  if (!kind) return;
  switch (*kind) {
    case msg::ActivatedDocument::kProject:
      if (lastProjectDocument_ != nullptr && lastProjectDocument_->GetProject() != nullptr)
        lastProjectDocument_->ActivateFirstFrame();
      break;
    case msg::ActivatedDocument::kFile:
      if (lastZavedizDocument_ == nullptr) lastZavedizDocument_ = FindDocumentByExtension(0);
      if (lastZavedizDocument_ != nullptr) lastZavedizDocument_->ActivateFirstFrame();
      break;
    case msg::ActivatedDocument::kWorkspaceFile:
      for (docview::CDocTemplate* t : Templates())
        for (docview::CDocument* d : t->Documents()) {
          const QString path = d->GetPathName();
          const int cut = std::max(path.lastIndexOf(QLatin1Char('/')), path.lastIndexOf(QLatin1Char('\\')));
          if (!path.mid(cut + 1).contains(CurrentWorkspaceFileName(), Qt::CaseSensitive)) continue;
          d->ActivateFirstFrame();
          lastZavedizDocument_ = dynamic_cast<CZavedizDoc*>(d);
          break;
        }
      break;
  }
}

}  // namespace zv
