#pragma once
// What the side bar's sample pages share: a sample view under the page's
// controls, a vertical scroll bar, the grid laid out on every resize and the
// page's own work-area set with the one area that holds the samples.
//
// The first layout builds only the visible rows; the first scroll or wheel
// event builds them all, and each later resize builds the visible rows again.
// Scrolling moves the view's window a row at a time, so samples, highlight
// and all stay where they are in map units.

#include <QScrollBar>
#include <QWidget>
#include <optional>

#include "panels/core/sample_grid.h"
#include "panels/pattern_view.h"

namespace zv::panels {

class SampleGridPage : public QWidget, public PatternOwner {
 public:
  ~SampleGridPage() override;

  CPatternView* View() const { return view_; }
  QScrollBar* ScrollBar() const { return scroll_; }
  const std::optional<GridGeometry>& Grid() const { return grid_; }
  bool AllRowsBuilt() const { return allRows_; }
  int SamplesBuilt() const { return built_; }
  WorkAreaHandle SampleArea() const { return area_; }

  // One scroll-bar action (also what the bar's own clicks run).
  void Scroll(ScrollAction action, int track = 0);
  // The width left to the controls and the sample view.
  int ClientWidth() const;

 protected:
  // `areaType`: the kind of work area the samples live in.
  SampleGridPage(QWidget* parent, int16_t displayMode, const GridSpec& spec, int areaType, int gridTop);

  // The count the grid's rows come from.
  virtual int SampleCount() const = 0;
  // Fills the area with samples (all rows or the visible ones); the number built.
  virtual int BuildSamples(WorkAreaHandle area, const GridGeometry& grid, bool allRows) = 0;
  // Places the page's controls for a client width.
  virtual void PlaceControls(int width) = 0;

  void resizeEvent(QResizeEvent* event) override;
  void wheelEvent(QWheelEvent* event) override;
  void closeEvent(QCloseEvent* event) override;

 private:
  void LayOut();
  void EnsureAllRows();
  void MoveToRow(int row);
  void OnScrollAction(int action);
  void Release();

  GridSpec spec_;
  int gridTop_;
  CPatternView* view_ = nullptr;
  QScrollBar* scroll_ = nullptr;
  WorkAreaSetHandle set_ = 0;
  WorkAreaHandle area_ = 0;
  std::optional<GridGeometry> grid_;
  bool allRows_ = false;
  int built_ = 0;
  int position_ = 0;
};

// The page cursor: a small cross with its hot spot at the centre.
QCursor PageCursor();

}  // namespace zv::panels
