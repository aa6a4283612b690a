#pragma once
// The right-button pass-on every tool shares: after a tool has handled a
// right-button release, the release also goes to the view's selection
// (CGisEditView::SelectAll with 517) while the right-click selection switch
// ("seclect" of section OTHER) is on.
#include "platform/view/base_gis_tool.h"

namespace zv {

// Call it last in OnRButtonUp, with the view read before the tool's own
// handling (which may replace the tool); a null view does nothing.
void PassRightButtonOn(CGisEditView* view, unsigned flags, CPoint point);

}  // namespace zv
