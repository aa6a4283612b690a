#pragma once
// The plan tool view's elevation tip (after command 32780): while the
// switch is on, a mouse move with exactly Ctrl held near a line of the
// current line area (within 0.1 world units) shows a small edit box at the
// cursor with "高程:" and the line's elevation; a farther move, or any other
// keys or buttons, removes it.

#include <QLineEdit>
#include <QPointer>

#include "platform/view/gis_edit_view.h"

namespace zv {

class ElevationTip {
 public:
  // The switch stays on for the life of the view.
  void TurnOn() { on_ = true; }
  bool on() const { return on_; }
  void OnMove(CGisEditView& view, unsigned flags, CPoint point);
  QLineEdit* box() const { return box_; }

 private:
  void Remove();

  bool on_ = false;
  QPointer<QLineEdit> box_;
};

}  // namespace zv
