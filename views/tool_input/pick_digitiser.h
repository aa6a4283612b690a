#pragma once
// Lines (pick mode 2) and regions (pick mode 3) digitised in a tool view
// after a pick in the attribute pages: each left press adds a vertex, the
// right button appends the figure with the current default parameters.
//
// The vertex of a press is the snapped point when that same press took a
// snap (the state is then marked taken), else the press in map units, or
// with Shift the nearest vertex of the nearest line of the current line
// area. A line needs two vertices; with Ctrl on the right button it is
// closed on its first vertex. A region is closed, appended as an arc of the
// current region area and a region over it. The appended entities are one
// undo step (recorded as appended). The vertex list has no limit.

#include <optional>
#include <vector>

#include "platform/view/gis_edit_view.h"

namespace zv::toolview {

class PickDigitiser {
 public:
  // A left press; `snapped` is the point this press snapped to, if any.
  void Press(CGisEditView& view, unsigned flags, CPoint point, const std::optional<D_DOT>& snapped);
  // The right button in pick mode 2 or 3: appends the figure when it has
  // two vertices or more, then starts afresh either way. True when appended.
  bool Finish(CGisEditView& view, int pickMode, unsigned flags);

  bool active() const { return active_; }
  const std::vector<D_DOT>& vertices() const { return vertices_; }

 private:
  bool active_ = false;
  std::vector<D_DOT> vertices_;
};

}  // namespace zv::toolview
