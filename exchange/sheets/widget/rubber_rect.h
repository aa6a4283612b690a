#pragma once
// The rubber rectangle of a table tool's drag, drawn by XOR on the view's
// overlay: the press shows it, each move redraws it, the release takes it
// away and gives the anchor; window points in pixels.

#include "platform/view/base_gis_tool.h"

namespace zv::sheets {

class RubberRect {
 public:
  void Press(CGisEditView& view, CPoint point);
  void Track(CGisEditView& view, CPoint point);
  // Ends the drag; the anchor of the press (also after a release without a
  // press: the last anchor).
  CPoint Release(CGisEditView& view);
  bool Dragging() const { return dragging_; }

 private:
  void Toggle(CGisEditView& view) const;
  bool dragging_ = false;
  CPoint anchor_;
  CPoint moving_;
};

}  // namespace zv::sheets
