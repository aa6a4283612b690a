#include "app/right_button_select.h"

#include "app/app_settings.h"
#include "platform/view/gis_edit_view.h"

namespace zv {

void PassRightButtonOn(CGisEditView* view, unsigned flags, CPoint point) {
  if (view && Settings().seclect != 0) view->SelectAll(WM_RBUTTONUP, flags, point);
}

}  // namespace zv
