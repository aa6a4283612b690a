// Qt's mouse, key and wheel events as the tool slots take them.
#include <QKeyEvent>
#include <QMouseEvent>
#include <QWheelEvent>
#include <cmath>

#include "platform/view/gis_edit_view.h"
#include "platform/view/mouse_points.h"
#include "platform/view/virtual_keys.h"

namespace zv {

namespace {

// One wheel notch zooms by this factor about the cursor.
constexpr double kWheelZoom = 1.25;

}  // namespace

unsigned MouseFlagsOf(Qt::MouseButtons buttons, Qt::KeyboardModifiers modifiers) {
  unsigned flags = 0;
  if (buttons & Qt::LeftButton) flags |= MK_LBUTTON;
  if (buttons & Qt::RightButton) flags |= MK_RBUTTON;
  if (buttons & Qt::MiddleButton) flags |= MK_MBUTTON;
  if (modifiers & Qt::ShiftModifier) flags |= MK_SHIFT;
  if (modifiers & Qt::ControlModifier) flags |= MK_CONTROL;
  return flags;
}

CPoint MousePointOf(const QMouseEvent* e) {
  const QPointF p = e->position();
  return {static_cast<int32_t>(std::floor(p.x())), static_cast<int32_t>(std::floor(p.y()))};
}

void CGisEditView::mousePressEvent(QMouseEvent* e) {
  // The flags of a press hold the button pressed, as the platform's do.
  if (e->button() == Qt::LeftButton) LButtonDown(MouseFlagsOf(e->buttons(), e->modifiers()), MousePointOf(e));
}

void CGisEditView::mouseMoveEvent(QMouseEvent* e) { MouseMove(MouseFlagsOf(e->buttons(), e->modifiers()), MousePointOf(e)); }

void CGisEditView::mouseReleaseEvent(QMouseEvent* e) {
  // The flags of a release no longer hold the button released.
  const unsigned flags = MouseFlagsOf(e->buttons(), e->modifiers());
  if (e->button() == Qt::LeftButton) LButtonUp(flags, MousePointOf(e));
  if (e->button() == Qt::RightButton) RButtonUp(flags, MousePointOf(e));
}

void CGisEditView::keyPressEvent(QKeyEvent* e) {
  const unsigned key = VirtualKeyOf(e->key());
  if (key == 0) {
    CGisView::keyPressEvent(e);
    return;
  }
  unsigned flags = e->isAutoRepeat() ? 0x4000u : 0u;  // the previous-key-state bit
  KeyDown(key, 1, flags);
}

void CGisEditView::wheelEvent(QWheelEvent* e) {
  if (!scrollEnabled()) {
    e->ignore();
    return;
  }
  const int notches = e->angleDelta().y() / 120;
  if (notches == 0) return;
  const QPointF p = e->position();
  const CPoint at{static_cast<int32_t>(p.x()), static_cast<int32_t>(p.y())};
  _EnlargeWindowLxy(at, std::pow(kWheelZoom, notches));
}

}  // namespace zv
