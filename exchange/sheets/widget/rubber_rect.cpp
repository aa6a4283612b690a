#include "exchange/sheets/widget/rubber_rect.h"

#include "platform/view/gis_edit_view.h"

namespace zv::sheets {

void RubberRect::Toggle(CGisEditView& view) const { view._DrawXORRect(anchor_.x, anchor_.y, moving_.x, moving_.y); }

void RubberRect::Press(CGisEditView& view, CPoint point) {
  anchor_ = moving_ = point;
  dragging_ = true;
  Toggle(view);
}

void RubberRect::Track(CGisEditView& view, CPoint point) {
  if (!dragging_) return;
  Toggle(view);
  moving_ = point;
  Toggle(view);
}

CPoint RubberRect::Release(CGisEditView& view) {
  if (dragging_) Toggle(view);
  dragging_ = false;
  return anchor_;
}

}  // namespace zv::sheets
