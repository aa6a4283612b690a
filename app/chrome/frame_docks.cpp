// The frame's docks (management bar with the side strip, attribute bar),
// the tab bar of open windows, the MDI client's background, the floating
// tool box E and full screen.
#include <QApplication>
#include <QDockWidget>
#include <QFontDatabase>
#include <QGridLayout>
#include <QToolButton>
#include <QMdiArea>
#include <QShortcut>

#include "app/app_settings.h"
#include "app/chrome/bar_flags.h"
#include "app/chrome/frame_bars.h"
#include "app/chrome/mdi_background.h"
#include "app/chrome/mdi_tabs.h"
#include "app/chrome/side_pages.h"
#include "app/chrome/side_strip.h"
#include "app/options/option_pages.h"
#include "framework/docview/child_frame.h"
#include "framework/docview/document.h"
#include "framework/docview/mdi_frame.h"
#include "framework/docview/view.h"
#include "framework/messages/pane_window_table.h"
#include "framework/messages/private_message.h"
#include "platform/project/map_project.h"
#include "views/zavediz_doc.h"

namespace zv::chrome {
namespace {

constexpr QSize kDockedMinimum(33, 32);
constexpr QSize kFloatingMinimum(37, 32);
constexpr int kManagementHeight = 260;
constexpr QSize kAttributeSize(100, 200);
constexpr const char* kTabBarKey = "LabelBar";
constexpr int kCurrentItemState = 3;
constexpr int kToolBoxRowLength = 3;
constexpr int kToolBoxRightInset = 80;
constexpr int kFullScreenId = 32914;

// The caption font: "宋体" when installed, else "Tahoma", else the default.
QFont CaptionFont() {
  QFont font = QApplication::font();
  const QStringList families = QFontDatabase::families();
  for (const char* name : {"宋体", "Tahoma"})
    if (families.contains(QString::fromUtf8(name))) {
      font.setFamily(QString::fromUtf8(name));
      break;
    }
  return font;
}

QDockWidget* MakeDock(const char* title, const char* name, QWidget* content, QMainWindow& frame) {
  auto* dock = new QDockWidget(QString::fromUtf8(title), &frame);
  dock->setObjectName(QString::fromLatin1(name));
  dock->setFont(CaptionFont());
  content->setFont(QApplication::font());
  dock->setWidget(content);
  dock->setMinimumSize(kDockedMinimum);
  QObject::connect(dock, &QDockWidget::topLevelChanged, dock,
                   [dock](bool floating) { dock->setMinimumSize(floating ? kFloatingMinimum : kDockedMinimum); });
  return dock;
}

// The first current file of a project: its work area, 0 when none.
WorkAreaHandle CurrentFileArea(const MapProject* project) {
  for (int i = 0; i < PrjGetItemCount(project); ++i)
    if (PrjGetItemState(project, i) == kCurrentItemState) return PrjGetItemArea(project, i);
  return 0;
}

QString DocumentTitle(QMdiSubWindow* window) {
  auto* frame = dynamic_cast<docview::CChildFrame*>(window);
  return frame && frame->GetActiveDocument() ? frame->GetActiveDocument()->GetTitle() : window->windowTitle();
}

}  // namespace

void FrameBars::BuildDocks() {
  const bool managementRight = Settings().controlLeftRight == 0;
  strip_ = new SideStrip;
  management_ = MakeDock("管理工具条", "ManagementBar", strip_, frame_);
  frame_.addDockWidget(managementRight ? Qt::RightDockWidgetArea : Qt::LeftDockWidgetArea, management_);
  frame_.resizeDocks({management_}, {static_cast<int>(Settings().controlWidth)}, Qt::Horizontal);
  frame_.resizeDocks({management_}, {kManagementHeight}, Qt::Vertical);

  attribute_ = MakeDock("属性控制条", "AttributeBar", CreateSidePage("CStrataListDlg", nullptr), frame_);
  frame_.addDockWidget(Qt::BottomDockWidgetArea, attribute_);
  frame_.resizeDocks({attribute_}, {kAttributeSize.height()}, Qt::Vertical);
  attribute_->hide();

  // The tab bar spans the client's width under the top toolbars.
  frame_.addToolBarBreak(Qt::TopToolBarArea);
  tabBar_ = new QToolBar(QStringLiteral("标签工具条"), &frame_);
  tabBar_->setObjectName(QStringLiteral("TabBar"));
  tabBar_->setMovable(false);
  tabBar_->setFixedHeight(kTabBarHeight);
  mdiTabs_ = new MdiTabs(*frame_.MdiArea(), DocumentTitle, tabBar_);
  background_ = new MdiBackground(*frame_.MdiArea());
  // Tab switches full screen only while a map view has the focus; elsewhere
  // it moves the focus as usual.
  new QShortcut(QKeySequence(Qt::Key_Tab), frame_.MdiArea(), [this] { frame_.RunCommand(kFullScreenId); },
                Qt::WidgetWithChildrenShortcut);
  tabBar_->addWidget(mdiTabs_);
  frame_.addToolBar(Qt::TopToolBarArea, tabBar_);
  tabBar_->setVisible(ReadBarFlag(SettingsFile(), kTabBarKey));
}

void FrameBars::ToggleTabBar() {
  const bool show = !IsShown(tabBar_);
  if (!SaveBarFlag(SettingsFile(), kTabBarKey, show)) options::WarnSettingsNotKept();
  tabBar_->setVisible(show);
}

void FrameBars::ToggleManagementBar() { management_->setVisible(!IsShown(management_)); }

bool FrameBars::ActiveDocumentHasProject() const {
  auto* document = dynamic_cast<CZavedizDoc*>(frame_.GetActiveDocument());
  return document != nullptr && document->GetProject() != nullptr;
}

void FrameBars::ToggleAttributeBar() {
  if (!ActiveDocumentHasProject()) return;
  const WorkAreaHandle chosen =
      CurrentFileArea(dynamic_cast<CZavedizDoc*>(frame_.GetActiveDocument())->GetProject());
  attribute_->setVisible(!IsShown(attribute_));
  if (IsShown(attribute_))
    msg::PaneWindows().Post(msg::PaneEntry::kStrataList, msg::kRefillList, chosen == 0 ? 1 : 0, chosen);
}

void FrameBars::ShowAttributeBar(bool show) {
  if (ActiveDocumentHasProject()) attribute_->setVisible(show);
}

void FrameBars::ToggleToolBoxE() {
  docview::CView* view = frame_.GetActiveView();
  if (view == nullptr) {
    if (toolBox_ != nullptr) toolBox_->hide();
    return;
  }
  const QRect screen(view->Widget()->mapToGlobal(QPoint(0, 0)), view->Widget()->size());
  const QPoint at(Settings().controlLeftRight == 0 ? screen.left() + 1 : screen.right() - kToolBoxRightInset,
                  screen.top() + 1);
  const bool wasShown = IsShown(toolBox_);
  if (toolBox_ == nullptr) {
    toolBox_ = new QWidget(&frame_, Qt::Tool);
    toolBox_->setObjectName(QStringLiteral("toolBoxE"));
    toolBox_->setWindowTitle(QString::fromUtf8(Toolbar(ToolbarKind::kToolBoxE).caption));
    toolBox_->setAttribute(Qt::WA_ShowWithoutActivating);
    // The bar holds the buttons' actions and their states; the box shows
    // them three a row.
    auto* actions = new CommandToolBar(
        Toolbar(ToolbarKind::kToolBoxE), [this] { return frame_.CommandRoute(); },
        [this](int id) { frame_.RunCommand(id); }, toolBox_);
    actions->hide();
    bars_[static_cast<std::size_t>(ToolbarKind::kToolBoxE)] = actions;
    auto* grid = new QGridLayout(toolBox_);
    grid->setContentsMargins(2, 2, 2, 2);
    grid->setSpacing(1);
    int cell = 0;
    for (int id : actions->spec().ids) {
      auto* button = new QToolButton(toolBox_);
      button->setDefaultAction(actions->ActionOf(id));
      button->setAutoRaise(true);
      grid->addWidget(button, cell / kToolBoxRowLength, cell % kToolBoxRowLength);
      ++cell;
    }
    actions->Refresh();
  }
  toolBox_->move(at);
  toolBox_->setVisible(!wasShown);
}

void FrameBars::ToggleFullScreen() {
  QWidget* box = toolBox_;
  if (!fullScreen_) {
    savedGeometry_ = frame_.saveGeometry();
    status_->hide();
    if (box != nullptr) box->hide();
    management_->hide();
    attribute_->hide();
    fullScreen_ = true;
    frame_.showFullScreen();
    return;
  }
  fullScreen_ = false;
  status_->show();
  if (box != nullptr) box->show();
  management_->show();
  attribute_->hide();
  frame_.showNormal();
  frame_.restoreGeometry(savedGeometry_);
}

}  // namespace zv::chrome
