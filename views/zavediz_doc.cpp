#include "views/zavediz_doc.h"

#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>
#include <algorithm>

#include "common/globals/program_globals.h"
#include "framework/docview/child_frame.h"
#include "framework/docview/doc_template.h"
#include "framework/docview/view.h"
#include "framework/docview/win_app.h"
#include "framework/messages/pane_window_table.h"
#include "framework/messages/private_message.h"
#include "framework/prompts/prompts.h"
#include "framework/text/encoding.h"
#include "platform/editors/param_editor.h"
#include "platform/files/vector_file_codec.h"
#include "platform/files/work_area_file.h"
#include "platform/view/gis_edit_view.h"

namespace zv {
namespace {

using msg::PaneEntry;
using msg::PaneWindows;

constexpr int kMaxPathLength = 127;
constexpr const char* kNoName = "NONAME";

QString Upper3(const QString& s) { return s.right(3).toUpper(); }

// The file name after the last separator of either kind.
QString FileNameOf(const QString& path) {
  const int cut = std::max(path.lastIndexOf(QLatin1Char('/')), path.lastIndexOf(QLatin1Char('\\')));
  return path.mid(cut + 1);
}

QString StemOf(const QString& name) {
  const int dot = name.lastIndexOf(QLatin1Char('.'));
  return dot < 0 ? name : name.left(dot);
}

void PostQuietly(PaneEntry entry, unsigned message, std::intptr_t w, std::intptr_t l) {
  PaneWindows().Post(entry, message, w, l);
}

// The picker for a project's own file.
prompt::FileRequest ProjectFileRequest() {
  prompt::FileRequest request;
  request.title = QStringLiteral("新建工程");
  request.defaultExtension = QStringLiteral("*.mpj");
  request.filter = QStringLiteral("MPJ Data Files(*.MPJ)|*.MPJ||");
  request.save = true;
  request.overwritePrompt = true;
  return request;
}

// The areas of an editing view (its own and those it shows).
std::vector<WorkAreaHandle> ViewAreas(docview::CView* view) {
  auto* edit = view ? dynamic_cast<CGisEditView*>(view->Widget()) : nullptr;
  return edit ? edit->ShownAreas() : std::vector<WorkAreaHandle>{};
}

}  // namespace

bool& SkipProjectDialog() {
  static bool skip = false;
  return skip;
}

CZavedizDoc::CZavedizDoc() {
  // Slots keep their numbers for life; a reset only frees them.
  for (std::size_t i = 0; i < section_.boreholes.size(); ++i) section_.boreholes[i].number = static_cast<int16_t>(i + 1);
  for (std::size_t i = 0; i < section_.trenches.size(); ++i) section_.trenches[i].number = static_cast<int16_t>(i + 1);
}

CZavedizDoc::~CZavedizDoc() {
  PrjClose(project_);
  project_ = nullptr;
}

bool CZavedizDoc::IsMapFileName(const QString& name) {
  const QString e3 = Upper3(FileNameOf(name));
  return e3 == QLatin1String(".WT") || e3 == QLatin1String(".WL") || e3 == QLatin1String(".WP");
}

bool CZavedizDoc::IsFileDocument() const {
  const QString name = FileNameOf(GetPathName());
  return IsMapFileName(name) || StemOf(name) != StemOf(GetTitle());
}

bool CZavedizDoc::OnNewDocument() {
  if (!CDocument::OnNewDocument()) return false;
  MapProject* project = PrjCreate(0);
  if (!SkipProjectDialog()) {
    const QString path = prompt::ChooseFile(ProjectFileRequest());
    if (!path.isEmpty()) {
      PrjSetPath(project, path.toStdString());
      MapParams params;
      PrjGetMapParams(project, &params);
      if (EditMapParams(params, QStringLiteral("编辑地图参数"), prompt::GetMainWnd()) == 1)
        PrjSetMapParams(project, params);
    }
  }
  SkipProjectDialog() = false;
  PrjClose(project_);
  project_ = project;
  const std::string name = PrjGetFileName(project_);
  SetPathName(name.empty() ? QString::fromLatin1(kNoName) : QString::fromStdString(name), false);
  return true;
}

bool CZavedizDoc::OnOpenDocument(const QString& path) {
  const QFileInfo info(path);
  if (!info.exists()) {
    prompt::Message(QStringLiteral("可能文件不存在！"));
    return false;
  }
  // Characters, not UTF-16 units: a rare character outside the BMP (common
  // in Chinese place names) counts once.
  if (text::CharacterCount(path.toStdString()) > kMaxPathLength) {
    prompt::Message(QStringLiteral("路径太长，无法读取文件！"));
    return false;
  }
  // A folder named like a map, or a file the user may not read, is told:
  // an open that does nothing at all looks like a program fault.
  if (!info.isFile()) {
    prompt::Message(QStringLiteral("“%1”不是文件，无法打开！").arg(path));
    return false;
  }
  if (QFile probe(path); !probe.open(QIODevice::ReadOnly)) {
    prompt::Message(QStringLiteral("无法读取文件“%1”！").arg(path));
    return false;
  }
  if (!CDocument::OnOpenDocument(path)) return false;
  const QString failed = QString::fromUtf8(msg::kPostFailedText);
  if (IsMapFileName(path)) {
    // A damaged or foreign file is refused here: opened, it would give a
    // window with an empty map that a save would write over the file.
    files::VectorFile file;
    files::FileReport report;
    if (!files::LoadVectorFile(path.toStdString(), file, report)) {
      prompt::Message(QStringLiteral("无法打开文件“%1”：%2").arg(path, QString::fromStdString(report.error)),
                      prompt::kIconStop);
      return false;
    }
    ShowFileReport(path, report, false);
    CurrentFilePath() = path;
    PaneWindows().PostOrShow(PaneEntry::kTabStrip, msg::kSelectSidePage, 1, 2, failed);
    PaneWindows().PostOrShow(PaneEntry::kWorkspaceFileList, msg::kRefreshFileList, msg::OpenedFileCode(path), 0, failed);
    return true;
  }
  if (path.right(4).toUpper() == QLatin1String(".MPJ")) {
    // The new project is read before the shown one goes, so a project that
    // cannot be read leaves everything as it was.
    files::FileReport report;
    MapProject* opened = PrjOpen(path.toStdString(), 0, 0, &report);
    ShowFileReport(path, report, opened == nullptr);
    if (opened == nullptr) return false;
    PrjClose(project_);
    project_ = opened;
    PaneWindows().PostOrShow(PaneEntry::kProjectPage, msg::kSetProject, 0, 0, failed);
    PaneWindows().PostOrShow(PaneEntry::kTabStrip, msg::kSelectSidePage, 1, 1, failed);
    return true;
  }
  return false;
}

std::vector<WorkAreaHandle> CZavedizDoc::Areas() const {
  std::vector<WorkAreaHandle> areas;
  auto add = [&areas](WorkAreaHandle a) {
    if (a != 0 && BasIsWorkAreaValid(a) && std::find(areas.begin(), areas.end(), a) == areas.end()) areas.push_back(a);
  };
  if (project_ != nullptr)
    for (WorkAreaHandle a : project_->areas) add(a);
  for (docview::CChildFrame* frame : Frames())
    for (WorkAreaHandle a : ViewAreas(frame->GetActiveView())) add(a);
  return areas;
}

bool CZavedizDoc::SaveChanges(const std::vector<WorkAreaHandle>& modified) {
  if (project_ != nullptr) {
    // A project made without a file asks for one: saving it is what the
    // user said yes to.
    if (project_->path.empty()) {
      const QString path = prompt::ChooseFile(ProjectFileRequest());
      if (path.isEmpty()) return false;
      PrjSetPath(project_, path.toStdString());
      SetPathName(path, false);
    }
    std::string error;
    if (PrjSave(project_, &error) != 1) {
      prompt::Message(QStringLiteral("工程文件保存失败：%1").arg(QString::fromStdString(error)), prompt::kIconStop);
      return false;
    }
  }
  for (WorkAreaHandle area : modified) {
    std::string path = BasGetWorkAreaFileName(area);
    if (path.empty()) {
      static constexpr const char* kFilters[] = {"MapGis 线文件 (*.wl)|*.wl||", "MapGis 点文件 (*.wt)|*.wt||",
                                                 "MapGis 区文件 (*.wp)|*.wp||"};
      const int type = std::clamp(BasGetWorkAreaType(area), 0, 2);
      prompt::FileRequest request;
      request.title = QStringLiteral("保存文件");
      request.filter = QString::fromUtf8(kFilters[type]);
      request.save = true;
      request.overwritePrompt = true;
      path = prompt::ChooseFile(request).toStdString();
      if (path.empty()) return false;
    }
    BasSetWorkAreaMode(area, 1);
    if (BasSaveWorkArea(area, path, kSavePathComplete) != 1) {
      prompt::Message(QStringLiteral("文件“%1”保存失败：%2")
                          .arg(QString::fromStdString(path), QString::fromStdString(BasLastSaveError())),
                      prompt::kIconStop);
      return false;
    }
  }
  return true;
}

bool CZavedizDoc::ConfirmClose() {
  const std::vector<WorkAreaHandle> areas = Areas();
  if (project_ == nullptr && areas.empty()) return true;
  const bool blocked = std::any_of(areas.begin(), areas.end(),
                                   [](WorkAreaHandle a) { return BasGetWorkAreaState(a) == kWorkAreaStateNoSave; });
  std::vector<WorkAreaHandle> modified;
  for (WorkAreaHandle a : areas)
    if (BasIsWorkAreaModified(a)) modified.push_back(a);
  const bool projectChanged = project_ != nullptr && PrjIsChanged(project_);
  if (!projectChanged && modified.empty()) {
    if (blocked) return false;
    return true;
  }
  QString question;
  if (project_ != nullptr) {
    question = QStringLiteral("工程文件 '%1' 已修改,是否保存?").arg(GetPathName());
  } else {
    QStringList names;
    for (WorkAreaHandle a : modified) names << QString::fromStdString(BasGetWorkAreaFileName(a));
    question = QStringLiteral("工作区文件已修改,是否保存?\n%1").arg(names.join(QLatin1Char('\n')));
  }
  const int answer = prompt::Message(question, prompt::kYesNoCancel | prompt::kIconQuestion | prompt::kDefaultButton2);
  if (answer == prompt::kAnswerCancel) return false;
  if (blocked) return false;
  if (answer == prompt::kAnswerYes) return SaveChanges(modified);
  // No keeps the changes marked: the exit asks every document before any
  // closes, and a Cancel at a later one leaves this one open with them.
  return true;
}

bool CZavedizDoc::CanCloseFrame(docview::CChildFrame*) { return ConfirmClose(); }

void CZavedizDoc::OnCloseDocument() {
  // The closing document itself is classified, not whichever is active.
  const bool fileDocument = IsFileDocument();
  MapProject* closingProject = nullptr;
  if (!fileDocument) {
    closingProject = project_;
    project_ = nullptr;
    PostQuietly(PaneEntry::kProjectPage, msg::kSetProject, 0, 1);
  } else {
    CurrentWorkspaceFileName() = FileNameOf(GetPathName()).toUpper();
    PostQuietly(PaneEntry::kWorkspaceFileList, msg::kRefreshFileList, 0, 2);
  }
  CDocument::OnCloseDocument();

  int page = 0;
  CZavedizDoc* other = FindDocumentByExtension(1);
  if (other != nullptr && other->GetProject() != nullptr) {
    PostQuietly(PaneEntry::kProjectPage, msg::kSetProject, 0, 0);
    page = 1;
  } else if (other != nullptr || FindDocumentByExtension(0) != nullptr) {
    page = 2;
  }
  PaneWindows().PostOrShow(PaneEntry::kTabStrip, msg::kSelectSidePage, 1, page,
                           QStringLiteral("CZavedizDoc发送TAB消息失败"));
  // The panes still hold the project until the messages above have run.
  if (closingProject != nullptr)
    QMetaObject::invokeMethod(
        QCoreApplication::instance(), [closingProject] { PrjClose(closingProject); }, Qt::QueuedConnection);
}

void ShowFileReport(const QString& path, const files::FileReport& report, bool failed) {
  QStringList lines;
  if (failed) lines << QStringLiteral("无法打开工程文件“%1”：%2").arg(path, QString::fromStdString(report.error));
  for (const std::string& w : report.warnings) lines << QString::fromStdString(w);
  if (!lines.isEmpty()) prompt::Message(lines.join(QLatin1Char('\n')), failed ? prompt::kIconStop : prompt::kIconWarning);
}

CZavedizDoc* FindDocumentByExtension(int flag) {
  if (docview::App() == nullptr) return nullptr;
  for (docview::CDocument* document : docview::App()->Documents()) {
    auto* doc = dynamic_cast<CZavedizDoc*>(document);
    if (doc == nullptr || doc->IsClosing()) continue;
    const bool match = CZavedizDoc::IsMapFileName(doc->GetTitle());
    if ((flag == 0) == match) return doc;
  }
  return nullptr;
}

}  // namespace zv
