#include "app/frame_view_chrome.h"

#include <QMenu>

#include "app/chrome/frame_bars.h"
#include "app/main_frame.h"
#include "common/measure/line_dist_angle_dlg.h"

namespace zv {

void FrameViewChrome::ShowOperation(const QString& text) {
  if (chrome::CSecStatusBar* status = frame_.Bars().StatusBar()) status->SetPaneText(0, text);
}

void FrameViewChrome::ShowCoordinates(double x, double y, const views::PoolCounts& c, const QString& text) {
  frame_.ShowCoordinates(x, y, c.texts, c.subGraphs, c.lines, c.regions, text);
}

long FrameViewChrome::UpdateMeasureWindow(const std::array<double, 6>& values, int mode) {
  return frame_.Bars().UpdateMeasureWindow(values, mode);
}

bool FrameViewChrome::CloseMeasureWindow() {
  CLineDistAngleDlg* window = frame_.Bars().MeasureWindow();
  if (window == nullptr) return false;
  window->accept();
  return true;
}

void FrameViewChrome::SetScaleDenominator(long scale) { frame_.Bars().SetScaleDenominator(scale); }

long FrameViewChrome::ScaleDenominator() const { return frame_.Bars().scaleDenominator(); }

void FrameViewChrome::PopupContextMenu(int subMenu, const QPoint& globalPos) {
  QMenu* menu = frame_.commandMenus().BuildPopup(cmd::kMenuContext, std::to_string(subMenu), &frame_);
  menu->exec(globalPos);
  menu->deleteLater();
}

void FrameViewChrome::ShowAttributeBar(int show) { frame_.ShowAttributeBar(show); }

}  // namespace zv
