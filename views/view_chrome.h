#pragma once
// What the editing views ask of the main frame's chrome, without knowing
// the frame: the status bar's operation pane and cursor read-out, the
// measurement window, the scale denominator, the context menus of menu
// 138, and the attribute bar. The frame installs its implementation when it is made and removes it
// when it goes; until then (and in tests that install none) a silent chrome
// takes the calls. Tests install a recording one.

#include <QPoint>
#include <QString>
#include <array>

#include "views/core/status_readout.h"

namespace zv {

class ViewChrome {
 public:
  virtual ~ViewChrome() = default;
  // Pane 0 of the status bar.
  virtual void ShowOperation(const QString& /*text*/) {}
  // The cursor read-out: map point, counts of the selection and the text of
  // the last pane.
  virtual void ShowCoordinates(double /*x*/, double /*y*/, const views::PoolCounts& /*counts*/,
                               const QString& /*text*/) {}
  // The distance-and-angle window (made on first use): mode 1 only answers
  // the scale; any other shows the six values first. Returns the scale.
  virtual long UpdateMeasureWindow(const std::array<double, 6>& /*values*/, int /*mode*/) { return 0; }
  // Ends the measurement window as its OK button does; false when there is
  // none.
  virtual bool CloseMeasureWindow() { return false; }
  virtual void SetScaleDenominator(long /*scale*/) {}
  // The main window's scale denominator; 0 until one is set.
  virtual long ScaleDenominator() const { return 0; }
  // Pops up sub-menu `subMenu` of the context menu 138 at a screen point;
  // its commands go along the active route (the view that asked).
  virtual void PopupContextMenu(int /*subMenu*/, const QPoint& /*globalPos*/) {}
  // Shows (1) or hides (0) the attribute bar, which holds the strata list.
  virtual void ShowAttributeBar(int /*show*/) {}
};

// The chrome installed now (the silent one when none is).
ViewChrome& Chrome();
// Installs a chrome (null: the silent one again). The caller keeps it alive
// while it is installed.
void SetViewChrome(ViewChrome* chrome);

}  // namespace zv
