#pragma once
// The main frame's answers to the editing views (views/view_chrome.h): the
// status bar's panes, the measurement window, the scale denominator, the
// context menus of menu 138, built from the menu rows and run along the
// frame's route, and the attribute bar. The frame installs it for its
// lifetime.

#include "views/view_chrome.h"

namespace zv {

class CMainFrame;

class FrameViewChrome : public ViewChrome {
 public:
  explicit FrameViewChrome(CMainFrame& frame) : frame_(frame) {}

  void ShowOperation(const QString& text) override;
  void ShowCoordinates(double x, double y, const views::PoolCounts& counts, const QString& text) override;
  long UpdateMeasureWindow(const std::array<double, 6>& values, int mode) override;
  bool CloseMeasureWindow() override;
  void SetScaleDenominator(long scale) override;
  long ScaleDenominator() const override;
  void PopupContextMenu(int subMenu, const QPoint& globalPos) override;
  void ShowAttributeBar(int show) override;

 private:
  CMainFrame& frame_;
};

}  // namespace zv
