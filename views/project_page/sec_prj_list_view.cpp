#include "views/project_page/sec_prj_list_view.h"

#include <QContextMenuEvent>
#include <algorithm>
#include <cstring>
#include <QKeyEvent>
#include <QMenu>

#include "common/globals/program_globals.h"
#include "framework/commands/command_menus.h"
#include "framework/commands/menu_rows.h"
#include "framework/docview/doc_template.h"
#include "framework/docview/mdi_frame.h"
#include "framework/docview/win_app.h"
#include "framework/messages/pane_window_table.h"
#include "framework/messages/private_message.h"
#include "framework/prompts/prompts.h"
#include "platform/data/work_area.h"
#include "views/project_page/project_page_ops.h"
#include "views/zavediz_doc.h"

namespace zv::projectpage {
namespace {

using msg::PaneEntry;
using msg::PaneWindows;

CSecPrjListView& ViewOf(cmd::CommandTarget& target) { return static_cast<CSecPrjListView&>(target); }

QString Q(const std::string& text) { return QString::fromStdString(text); }

// 添加项目: the chosen files not yet in the project become entries.
void OnAddEntries(cmd::CommandTarget& target) {
  CSecPrjListView& view = ViewOf(target);
  if (!view.project()) return;
  prompt::FileRequest request;
  request.multiple = true;
  request.defaultExtension = QStringLiteral("*.wt;*.wl;*.wp");
  request.filter = QStringLiteral(
      "MapGis 文件 (*.wt;*.wl;*.wp;*.wn)|*.wt;*.wl;*.wp;*.wn|MapGis 点文件 (*.wt)|*.wt|MapGis 线文件 (*.wl)|*.wl|"
      "MapGis 区文件 (*.wp)|*.wp|All Files (*.*)|*.*||");
  std::vector<std::string> paths;
  for (const QString& path : prompt::Current().ChooseFiles(request)) paths.push_back(path.toStdString());
  if (paths.empty()) return;
  std::vector<std::string> failed;
  const std::vector<std::string> present = AddEntries(view.project(), paths, &failed);
  view.Refresh();
  for (const std::string& path : present) prompt::Message(QStringLiteral("已存在：") + Q(path));
  for (const std::string& path : failed) prompt::Message(QStringLiteral("无法加入工程：") + Q(path), prompt::kIconStop);
}

// 删空文件
void OnRemoveEmpty(cmd::CommandTarget& target) {
  CSecPrjListView& view = ViewOf(target);
  if (!view.project()) return;
  QStringList names;
  for (const std::string& name : RemoveEmptyEntries(view.project())) names << Q(name);
  view.Refresh();
  prompt::Message(QStringLiteral("删除的空文件有：\n\n") + names.join('\n'));
}

// 自动合并
void OnAutoMerge(cmd::CommandTarget& target) {
  CSecPrjListView& view = ViewOf(target);
  if (!view.project()) return;
  std::string error;
  const bool merged = AutoMerge(view.project(), &error);
  view.Refresh();
  if (!merged) prompt::Message(Q(error), prompt::kIconStop);
}

// 相同合并: into a new project of the same name in a chosen folder.
void OnSameNameMerge(cmd::CommandTarget& target) {
  CSecPrjListView& view = ViewOf(target);
  if (!view.project()) return;
  const QString folder = prompt::Current().ChooseFolder(QStringLiteral("请选择路径"), QString());
  if (folder.isEmpty()) return;
  std::string error;
  if (SameNameMerge(view.project(), folder.toStdString(), &error).empty())
    prompt::Message(Q(error), prompt::kIconStop);
}

constexpr cmd::CommandRow kRows[] = {
    cmd::Handler(kIdAddEntries, OnAddEntries, "OnAddEntries"),
    cmd::Handler(kIdRemoveEmpty, OnRemoveEmpty, "OnRemoveEmpty"),
    cmd::Handler(kIdAutoMerge, OnAutoMerge, "OnAutoMerge"),
    cmd::Handler(kIdSameNameMerge, OnSameNameMerge, "OnSameNameMerge"),
};

constexpr const char* kPopup = "1";

// A new section document that asks nothing, as 新建文件 opens it.
void OpenNewSectionDocument() {
  docview::CWinApp* app = docview::App();
  if (!app) return;
  for (docview::CDocTemplate* t : app->Templates()) {
    if (t->GetResourceId() != cmd::kMenuSection) continue;
    SkipProjectDialog() = true;
    t->OpenDocumentFile(QString());
    SkipProjectDialog() = false;
    return;
  }
}

}  // namespace

MapProject* ActiveDocumentProject() {
  docview::CWinApp* app = docview::App();
  docview::CMDIFrameWnd* frame = app ? app->GetMainWnd() : nullptr;
  auto* document = frame ? dynamic_cast<CZavedizDoc*>(frame->GetActiveDocument()) : nullptr;
  return document ? document->GetProject() : nullptr;
}

void RegisterProjectPageCommands() {
  static bool registered = false;
  if (registered) return;
  registered = true;
  cmd::Registry().AddRows("CSecPrjListView", kRows);
  const cmd::MenuRow rows[] = {
      {cmd::kMenuContext, "1/添加项目", kIdAddEntries},
      {cmd::kMenuContext, "1/删空文件", kIdRemoveEmpty},
      {cmd::kMenuContext, "1/自动合并", kIdAutoMerge},
      {cmd::kMenuContext, "1/相同合并", kIdSameNameMerge},
  };
  cmd::Menus().AddRows(rows);
}

CSecPrjListView::CSecPrjListView(QWidget* parent)
    : CPrjListView(parent),
      menus_(new cmd::CommandMenus(
          *this, [this] { return cmd::Route{this}; },
          [](const QString& text) { prompt::Message(text); })) {
  menus_->setParent(this);
}

CSecPrjListView::~CSecPrjListView() { Unwatch(); }

void CSecPrjListView::Unwatch() {
  if (watched_) PrjRemoveListener(watched_, listener_);
  watched_ = nullptr;
  listener_ = 0;
}

void CSecPrjListView::ShowProject(MapProject* project) {
  if (project != watched_) {
    Unwatch();
    if (project) {
      watched_ = project;
      listener_ = PrjAddListener(project, [this](ProjectEvent event) {
        if (event == ProjectEvent::ItemsChanged) {
          Refresh();
          return;
        }
        // The project and its work areas go now: forget it before they do.
        watched_ = nullptr;
        listener_ = 0;
        SetProject(nullptr);
      });
    }
  }
  SetProject(project);
  Refresh();
}

void CSecPrjListView::OnInitialUpdate() {
  PaneWindows().Record(PaneEntry::kProjectList, this);
  if (MapProject* project = ActiveDocumentProject()) ShowProject(project);
}

void CSecPrjListView::SelectFromFlags(const uint8_t* flags) {
  if (!flags) return;
  const int rows = std::min(model()->rowCount(), kSelectionFlagRows);
  for (int row = 0; row < rows; ++row) {
    SetRowSelected(row, flags[row] == 1);
    if (flags[row] != 1 && currentIndex().row() == row) selectionModel()->setCurrentIndex({}, QItemSelectionModel::NoUpdate);
  }
}

QMenu* CSecPrjListView::BuildPopup() { return menus_->BuildPopup(cmd::kMenuContext, kPopup, this); }

bool CSecPrjListView::event(QEvent* event) {
  const msg::PrivateMessageEvent* message = msg::AsPrivateMessage(event);
  if (!message || message->message() != msg::kListRequest) return CPrjListView::event(event);
  if (project()) {
    if (message->lParam() == 0 && message->wParam() == 1) OnProjoutput();
    if (message->lParam() == 1) SelectFromFlags(reinterpret_cast<const uint8_t*>(message->wParam()));
  }
  return true;
}

void CSecPrjListView::keyPressEvent(QKeyEvent* event) {
  const QString text = event->text().toUpper();
  const char key = text.size() == 1 ? text[0].toLatin1() : 0;
  if (!project() || PrjGetItemCount(project()) == 0 || !std::strchr("CE123", key) || key == 0) {
    BaseKeyPress(event);
    return;
  }
  std::vector<bool> selected(PrjGetItemCount(project()), false);
  for (const int row : SelectedRows())
    if (const int item = ItemOfRow(row); item >= 0) selected[item] = true;
  if (ApplyStateKey(project(), key, selected)) {
    // The rows are read afresh; the same entries stay selected, so "C" and
    // "E" can follow each other.
    Refresh();
    for (int row = 0; row < model()->rowCount(); ++row)
      if (const int item = ItemOfRow(row); item >= 0 && item < static_cast<int>(selected.size()) && selected[item])
        SetRowSelected(row, true);
  } else if (key == '1') {
    BaseKeyPress(event);
  }
}

void CSecPrjListView::contextMenuEvent(QContextMenuEvent* event) {
  if (!project()) return;
  const int row = indexAt(viewport()->mapFromGlobal(event->globalPos())).row();
  if (row >= 0 && (event->modifiers() & Qt::ShiftModifier)) SetRowSelected(row, true);
  if (!SelectedRows().empty() && !(event->modifiers() & Qt::AltModifier)) {
    BaseContextMenu(event->globalPos());
    return;
  }
  QMenu* popup = BuildPopup();
  popup->exec(event->globalPos());
  popup->deleteLater();
}

void CSecPrjListView::OpenEntry(MapProject* project, int index, const std::string& path) {
  if (!project) return;
  const WorkAreaHandle area = PrjGetItemArea(project, index);
  if (area != 0 && BasIsWorkAreaValid(area)) {
    PaneWindows().Post(PaneEntry::kStrataList, msg::kRefillList, static_cast<std::intptr_t>(area), 0);
    return;
  }
  const int kind = PrjGetItemKind(project, index);
  if (kind != 0 && kind != 1) return;
  PrjSetItemState(project, index, kItemShown);
  const QString file = QString::fromStdString(path);
  CurrentFilePath() = file;
  PaneWindows().PostOrShow(PaneEntry::kWorkspaceFileList, msg::kRefreshFileList, msg::OpenedFileCode(file), 0,
                           QString::fromUtf8(msg::kPostFailedText));
  OpenNewSectionDocument();
  PaneWindows().Post(PaneEntry::kSectionToolView, msg::kSectionToolRequest, static_cast<std::intptr_t>(area),
                     msg::kToolSetCurrentArea);
}

}  // namespace zv::projectpage
