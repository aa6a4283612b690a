#pragma once
// The main frame's bars put together: the status bar with its read-out and
// scale button, and the toolbars of toolbar_lists.h placed as the settings
// say ([OTHER] "control left/right": 0 puts the side toolbar on the left).
// It keeps the read-out's state (scale denominator, plane or geographic,
// the projector) and runs what the frame's bar commands ask of the bars.
// The frame owns it; it never outlives the frame.

#include <QByteArray>
#include <QObject>
#include <array>
#include <memory>

#include "app/chrome/command_toolbar.h"
#include "app/chrome/search_routing.h"
#include "app/chrome/sec_status_bar.h"
#include "app/chrome/status_texts.h"
#include "platform/data/map_params.h"

namespace zv {
class CLineDistAngleDlg;
class MapProjector;
namespace docview {
class CMDIFrameWnd;
}
}  // namespace zv

class QDockWidget;
class QToolBar;

namespace zv::chrome {

class MdiBackground;
class MdiTabs;
class SideStrip;

class FrameBars : public QObject {
 public:
  // The frame refreshes the bars once it can answer their update rules.
  explicit FrameBars(docview::CMDIFrameWnd& frame);
  ~FrameBars() override;

  CSecStatusBar* StatusBar() const { return status_; }
  class SearchBox* Search() const { return search_; }
  // The bar of a kind; for ToolBoxE the holder of its buttons' actions,
  // null until the box is first asked for.
  CommandToolBar* Bar(ToolbarKind kind) const { return bars_[static_cast<std::size_t>(kind)]; }
  // Shows, enables and checks every toolbar button along the route now.
  void RefreshBars();

  // A keyed bar's visibility flips, its key is written at once.
  void ToggleKeyedBar(ToolbarKind kind);
  bool IsShown(const QWidget* bar) const;

  // ---- Docks, the tab bar, the tool box and full screen (frame_docks.cpp)
  QDockWidget* ManagementBar() const { return management_; }
  QDockWidget* AttributeBar() const { return attribute_; }
  SideStrip* Strip() const { return strip_; }
  QToolBar* TabBar() const { return tabBar_; }
  MdiTabs* WindowTabs() const { return mdiTabs_; }
  MdiBackground* Background() const { return background_; }
  // 33535: the tab bar's visibility flips and "LabelBar" is written.
  void ToggleTabBar();
  // 32803.
  void ToggleManagementBar();
  // 32804: only with an active document that has a project; a bar now shown
  // is asked to list the project's current file.
  void ToggleAttributeBar();
  // Shows or hides the attribute bar, only while the active document has a
  // project.
  void ShowAttributeBar(bool show);
  // 32891: the tool box floats at the active view's top corner on the side
  // away from the management bar and its visibility flips; no active view
  // hides it. Made on first use.
  void ToggleToolBoxE();
  // 32914.
  void ToggleFullScreen();
  bool fullScreen() const { return fullScreen_; }
  QWidget* ToolBoxE() const { return toolBox_; }

  // ---- Measuring (frame_readout.cpp)
  // The distance-and-angle window, made on first use at the top of the
  // active view. Mode 1 only answers its scale; any other mode shows the
  // six values (map distance, total length, real distance, real total, line
  // angle, relative angle) first. Returns the window's scale.
  long UpdateMeasureWindow(const std::array<double, 6>& values, int mode);
  // The window has closed.
  void ForgetMeasureWindow() { measure_ = nullptr; }
  CLineDistAngleDlg* MeasureWindow() const { return measure_; }

  // ---- Read-out (frame_readout.cpp)
  void ShowCoordinates(const ReadOut& readOut);
  long scaleDenominator() const { return state_.scaleDenominator; }
  void SetScaleDenominator(long scale) { state_.scaleDenominator = scale; }
  bool latLongDisplay() const { return state_.latLong; }
  // 33149: asks for the scale, starting from the active map's.
  void AskScale();
  // ---- Search box and code menus
  // Enter in the search box: the text becomes the shared text and goes to
  // the active document's tool views; false (nothing sent) without an
  // active view.
  bool Search(const QString& text);
  // The drop-down menu of a code-list button (33041, 33039, 33040), read
  // afresh from its file; nothing when the file cannot be read.
  void FillCodeMenu(int id, class QMenu& menu);

  // Pane 2's double-click: plane or geographic, with the projection asked
  // for when no map record gives one.
  void SwitchReadOut();
  // Pane 4's double-click: the active document's tool view changes its
  // current layer.
  void ChangeLayer();

 private:
  void OnPaneDoubleClick(int pane);
  bool AskProjection();
  void BuildDocks();
  bool ActiveDocumentHasProject() const;

  docview::CMDIFrameWnd& frame_;
  CSecStatusBar* status_;
  SearchBox* search_ = nullptr;
  std::array<CommandToolBar*, 5> bars_{};
  QDockWidget* management_ = nullptr;
  QDockWidget* attribute_ = nullptr;
  SideStrip* strip_ = nullptr;
  QToolBar* tabBar_ = nullptr;
  MdiTabs* mdiTabs_ = nullptr;
  MdiBackground* background_ = nullptr;
  QWidget* toolBox_ = nullptr;
  bool fullScreen_ = false;
  CLineDistAngleDlg* measure_ = nullptr;
  QByteArray savedGeometry_;
  ReadOutState state_;
  std::unique_ptr<MapProjector> projector_;
};

// Posts a tool request (wParam 1, `code`) to the tool views named.
void PostToToolViews(SearchTargets targets, std::intptr_t code);

// Where a map's parameter record comes from for the scale and the
// projection: the active document's project, else the active edit view's
// current point, line and region areas (non-empty ones, in that order).
// `projectNeedsParams`: the project's record counts only when its
// coordinate kind is set; `areaAccepts` says which area records count, the
// last accepted one winning. False when none is found.
bool ActiveMapParams(const docview::CMDIFrameWnd& frame, bool projectNeedsParams, bool (*areaAccepts)(const MapParams&),
                     MapParams& out);

}  // namespace zv::chrome
