#pragma once
// The program's main frame: the MDI frame with the menus of the active
// template (106 when no document is open), the spreadsheet program's workbook
// window in a dock, and the close of the whole program, which asks every
// document (and about unsaved new workbooks) before anything closes.
// Its bars (status bar, toolbars) are put together by chrome::FrameBars.
// Receivers of private messages that are not built yet are taken by one
// silent receiver (RecordSilentReceivers), so their senders' posts succeed.

#include <memory>

#include "framework/docview/mdi_frame.h"

class QDockWidget;

namespace zv {
namespace chrome {
class FrameBars;
}
class FrameViewChrome;

class CMainFrame : public docview::CMDIFrameWnd {
 public:
  explicit CMainFrame(QWidget* parent = nullptr);
  ~CMainFrame() override;

  std::string_view CommandClass() const override { return "CMainFrame"; }

  // Records the silent receiver for every message entry still empty.
  void RecordSilentReceivers();

  // The attribute bar: shown or hidden only while the active document has a
  // project.
  void ShowAttributeBar(int show);
  bool IsAttributeBarVisible() const;

  chrome::FrameBars& Bars() { return *bars_; }

  // The cursor read-out of the editing views: map coordinates, the counts of
  // texts, sub-graphs, lines and regions, and the current layer.
  void ShowCoordinates(double x, double y, int texts, int subGraphs, int lines, int regions, const QString& layer);

  // The distance-and-angle window of measuring (see FrameBars).
  long UpdateMeasureWindow(double mapDistance, double totalLength, double realDistance, double realTotal,
                           double lineAngle, double relativeAngle, int mode);
  void ForgetMeasureWindow();

  // Shows and raises the workbook window of the running spreadsheet program.
  void ShowWorkbookWindow();

  // Asks every document and the unsaved new workbooks; false stops the exit.
  bool OnClose() override;

  static void RegisterCommands();

 private:
  QObject* silentReceiver_;
  chrome::FrameBars* bars_;
  std::unique_ptr<FrameViewChrome> viewChrome_;
  QDockWidget* workbookDock_ = nullptr;
};

}  // namespace zv
