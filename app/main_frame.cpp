#include "app/main_frame.h"

#include <QDockWidget>
#include <QMdiArea>
#include <QTimer>

#include <QDockWidget>

#include "app/chrome/frame_bars.h"
#include "app/frame_view_chrome.h"
#include "framework/docview/child_frame.h"
#include "framework/docview/document.h"
#include "framework/docview/win_app.h"
#include "framework/messages/pane_window_table.h"
#include "framework/prompts/prompts.h"
#include "framework/shell/shell_open.h"
#include "framework/workbook/widget/workbook_actions.h"
#include "framework/workbook/widget/workbook_window.h"
#include "platform/display/system_library.h"

namespace zv {
namespace {

// The receivers whose panes come with later parts of the frame.
constexpr msg::PaneEntry kSilentEntries[] = {
    msg::PaneEntry::kProjectPage,        msg::PaneEntry::kWorkspaceFileList,
    msg::PaneEntry::kStrataList, msg::PaneEntry::kAttributeQueryPage, msg::PaneEntry::kProjectList,
};

void OnNotAvailable(cmd::CommandTarget&) { prompt::Message(QStringLiteral("暂时不能使用！")); }

constexpr cmd::CommandRow kChildFrameRows[] = {
    cmd::Handler(40021, OnNotAvailable, "OnNotAvailable"),
};

}  // namespace

CMainFrame::CMainFrame(QWidget* parent)
    : docview::CMDIFrameWnd(cmd::kMenuNoDocument, parent),
      silentReceiver_(new QObject(this)),
      bars_(new chrome::FrameBars(*this)) {
  setWindowTitle(QStringLiteral("zavediz"));
  resize(1200, 800);
  // Button states follow the active view and every command, once it is done.
  const auto refreshBars = [this] { QTimer::singleShot(0, bars_, [this] { bars_->RefreshBars(); }); };
  commandMenus().SetAfterRun(refreshBars);
  connect(MdiArea(), &QMdiArea::subWindowActivated, bars_, refreshBars);
  bars_->RefreshBars();
  viewChrome_ = std::make_unique<FrameViewChrome>(*this);
  SetViewChrome(viewChrome_.get());
  shell::SetWorkbookHost([this] { ShowWorkbookWindow(); });
  // Library notices arrive while a picture is drawn: show them once the
  // drawing is done, never from inside a paint.
  display::SetNoticeSink([this](const std::string& notice) {
    QTimer::singleShot(0, this, [notice] { prompt::Message(QString::fromStdString(notice), prompt::kIconWarning); });
  });
}

CMainFrame::~CMainFrame() {
  SetViewChrome(nullptr);
  display::SetNoticeSink({});
  shell::SetWorkbookHost({});
}

void CMainFrame::RegisterCommands() {
  cmd::Registry().DeclareClass("CMDIFrameWnd", "");
  cmd::Registry().DeclareClass("CMainFrame", "CMDIFrameWnd");
  cmd::Registry().DeclareClass("CChildFrame", "");
  cmd::Registry().AddRows("CChildFrame", kChildFrameRows);
}

void CMainFrame::RecordSilentReceivers() {
  for (msg::PaneEntry entry : kSilentEntries)
    if (msg::PaneWindows().Receiver(entry) == nullptr) msg::PaneWindows().Record(entry, silentReceiver_);
}

void CMainFrame::ShowCoordinates(double x, double y, int texts, int subGraphs, int lines, int regions,
                                 const QString& layer) {
  bars_->ShowCoordinates({x, y, texts, subGraphs, lines, regions, layer.toStdString()});
}

long CMainFrame::UpdateMeasureWindow(double mapDistance, double totalLength, double realDistance, double realTotal,
                                     double lineAngle, double relativeAngle, int mode) {
  return bars_->UpdateMeasureWindow({mapDistance, totalLength, realDistance, realTotal, lineAngle, relativeAngle},
                                    mode);
}

void CMainFrame::ForgetMeasureWindow() { bars_->ForgetMeasureWindow(); }

void CMainFrame::ShowAttributeBar(int show) { bars_->ShowAttributeBar(show != 0); }

bool CMainFrame::IsAttributeBarVisible() const { return bars_->IsShown(bars_->AttributeBar()); }

void CMainFrame::ShowWorkbookWindow() {
  if (workbookDock_ == nullptr) {
    workbookDock_ = new QDockWidget(QStringLiteral("电子表格"), this);
    workbookDock_->setObjectName(QStringLiteral("workbookDock"));
    workbookDock_->setWidget(new workbook::WorkbookWindow(workbook::RunningProgram(), workbookDock_));
    addDockWidget(Qt::BottomDockWidgetArea, workbookDock_);
  }
  workbookDock_->show();
  workbookDock_->raise();
}

bool CMainFrame::OnClose() {
  if (docview::App() != nullptr)
    for (docview::CDocument* document : docview::App()->Documents()) {
      docview::CChildFrame* frame = document->Frames().empty() ? nullptr : document->Frames().front();
      if (!document->CanCloseFrame(frame)) return false;
    }
  return workbook::ConfirmUnsavedWorkbooks(*workbook::RunningProgram());
}

}  // namespace zv
