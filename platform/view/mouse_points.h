#pragma once
// A Qt mouse event as the view's slots take it: the platform's key and button
// flags, and the window pixel under the cursor.

#include <QMouseEvent>

#include "platform/view/base_gis_tool.h"

namespace zv {

unsigned MouseFlagsOf(Qt::MouseButtons buttons, Qt::KeyboardModifiers modifiers);
CPoint MousePointOf(const QMouseEvent* e);

}  // namespace zv
