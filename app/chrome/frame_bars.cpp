#include "app/chrome/frame_bars.h"

#include <QFile>
#include <QMenu>
#include <QPushButton>
#include <QScreen>

#include "app/app_settings.h"
#include "app/chrome/bar_flags.h"
#include "app/chrome/code_lists.h"
#include "app/chrome/search_box.h"
#include "app/chrome/search_routing.h"
#include "app/options/option_pages.h"
#include "common/globals/program_globals.h"
#include "framework/commands/menu_rows.h"
#include "framework/docview/mdi_frame.h"
#include "framework/docview/view.h"
#include "framework/messages/pane_window_table.h"
#include "framework/messages/private_message.h"
#include "framework/paths/app_folder.h"
#include "platform/data/work_area.h"
#include "platform/project/map_project.h"
#include "platform/projection/map_projector.h"
#include "platform/view/gis_edit_view.h"
#include "views/zavediz_doc.h"

namespace zv::chrome {
namespace {

// The toolbars the frame makes at start, with where they dock.
struct StartBar {
  ToolbarKind kind;
  Qt::ToolBarArea area;
};

// The point and line input buttons open the context menu's point and line
// input sub-menus.
struct CommandDropDown {
  int id;
  const char* subMenu;
};
constexpr CommandDropDown kCommandDropDowns[] = {{412, "5"}, {336, "6"}};
constexpr int kCodeListButtons[] = {33041, 33039, 33040};

Qt::ToolBarArea SideArea() { return Settings().controlLeftRight == 0 ? Qt::LeftToolBarArea : Qt::RightToolBarArea; }

}  // namespace

void PostToToolViews(SearchTargets targets, std::intptr_t code) {
  if (targets.section) msg::PaneWindows().Post(msg::PaneEntry::kSectionToolView, msg::kSectionToolRequest, 1, code);
  if (targets.plan) msg::PaneWindows().Post(msg::PaneEntry::kProjectToolView, msg::kProjectToolRequest, 1, code);
}

bool ActiveMapParams(const docview::CMDIFrameWnd& frame, bool projectNeedsParams, bool (*areaAccepts)(const MapParams&),
                     MapParams& out) {
  auto* document = dynamic_cast<CZavedizDoc*>(frame.GetActiveDocument());
  if (document != nullptr && document->GetProject() != nullptr) {
    MapParams params;
    if (PrjGetMapParams(document->GetProject(), &params) > 0 && (!projectNeedsParams || params.coordKind() != 0)) {
      out = params;
      return true;
    }
    if (!projectNeedsParams) return false;
  }
  docview::CView* view = frame.GetActiveView();
  auto* edit = view ? dynamic_cast<CGisEditView*>(view->Widget()) : nullptr;
  if (edit == nullptr) return false;
  bool found = false;
  for (WorkAreaHandle area : {edit->GetCurrentPntArea(), edit->GetCurrentLinArea(), edit->GetCurrentRegArea()}) {
    MapParams params;
    if (area == 0 || BasIsWorkAreaEmpty(area) || BasGetMapParams(area, &params) <= 0 || !areaAccepts(params)) continue;
    out = params;
    found = true;
  }
  return found;
}

FrameBars::FrameBars(docview::CMDIFrameWnd& frame) : QObject(&frame), frame_(frame), status_(new CSecStatusBar(&frame)) {
  frame.setStatusBar(status_);
  status_->SetDoubleClickHandler([this](int pane) { OnPaneDoubleClick(pane); });
  connect(status_->ScaleButton(), &QPushButton::clicked, this, [this] { frame_.RunCommand(kScaleButtonId); });

  const StartBar startBars[] = {{ToolbarKind::kStandard, Qt::TopToolBarArea},
                                {ToolbarKind::kSide, SideArea()},
                                {ToolbarKind::kWindow, Qt::TopToolBarArea},
                                {ToolbarKind::kBottom, Qt::BottomToolBarArea}};
  for (const StartBar& start : startBars) {
    const ToolbarSpec& spec = Toolbar(start.kind);
    auto* bar = new CommandToolBar(
        spec, [this] { return frame_.CommandRoute(); }, [this](int id) { frame_.RunCommand(id); }, &frame);
    frame.addToolBar(start.area, bar);
    if (spec.barKey != nullptr) bar->setVisible(ReadBarFlag(SettingsFile(), spec.barKey));
    bars_[static_cast<std::size_t>(start.kind)] = bar;
  }

  BuildDocks();

  CommandToolBar* window = Bar(ToolbarKind::kWindow);
  search_ = new SearchBox([this](const QString& text) { return Search(text); }, window);
  window->insertWidget(window->ActionOf(kSearchAnchorId), search_);

  CommandToolBar* standard = Bar(ToolbarKind::kStandard);
  for (int id : kCodeListButtons) standard->SetDropDown(id, [this, id](QMenu& menu) { FillCodeMenu(id, menu); });
  for (const CommandDropDown& d : kCommandDropDowns)
    standard->SetDropDownMenu(d.id, frame.commandMenus().BuildPopup(cmd::kMenuContext, d.subMenu, standard));
}

FrameBars::~FrameBars() = default;

bool FrameBars::Search(const QString& text) {
  SharedText() = text;
  docview::CView* view = frame_.GetActiveView();
  if (view == nullptr) return false;
  const QString path = view->GetDocument() ? view->GetDocument()->GetPathName() : QString();
  PostToToolViews(SearchTargetsOf(path.toStdString()), msg::kToolTextSearch);
  return true;
}

void FrameBars::FillCodeMenu(int id, QMenu& menu) {
  const char* relative = CodeListFileOf(id);
  if (relative == nullptr) return;
  QFile file(QString::fromStdString(paths::GetAppFolder()) + QString::fromUtf8(relative));
  if (!file.open(QIODevice::ReadOnly)) return;
  for (const CodeItem& item : ParseCodeList(file.readAll().toStdString())) {
    // A name such as "R&D" is shown as written, not as a mnemonic.
    QAction* action = menu.addAction(QString::fromStdString(item.text).replace(QLatin1Char('&'), QStringLiteral("&&")));
    connect(action, &QAction::triggered, this, [item] {
      CurrentWorkspaceFileName() = QString::fromStdString(item.code);
      SharedText() = QString::fromStdString(item.record);
      PostToToolViews({true, true}, msg::kToolPlaceCode);
    });
  }
}

void FrameBars::RefreshBars() {
  for (CommandToolBar* bar : bars_)
    if (bar != nullptr) bar->Refresh();
}

bool FrameBars::IsShown(const QWidget* bar) const { return bar != nullptr && !bar->isHidden(); }

void FrameBars::ToggleKeyedBar(ToolbarKind kind) {
  CommandToolBar* bar = Bar(kind);
  if (bar == nullptr || bar->spec().barKey == nullptr) return;
  const bool show = !IsShown(bar);
  if (!SaveBarFlag(SettingsFile(), bar->spec().barKey, show)) options::WarnSettingsNotKept();
  bar->setVisible(show);
}

}  // namespace zv::chrome
