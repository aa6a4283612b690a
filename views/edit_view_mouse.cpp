// The mouse handling both editing views share (see edit_view_mouse.h).
#include "views/edit_view_mouse.h"

#include <QMouseEvent>
#include <QWheelEvent>
#include <cstdlib>

#include "app/app_settings.h"
#include "common/globals/program_globals.h"
#include "views/view_chrome.h"

namespace zv {
namespace {

// The operations during which a right press counts as the end of input.
bool IsLineInput(const QString& operation) {
  return operation == QStringLiteral("当前状态: 造折线") || operation == QStringLiteral("当前状态: 造流线");
}

// The sub-menus of the modifier clicks: exactly right button + Ctrl, or
// right button + Shift.
int ModifierMenu(unsigned flags) {
  if (flags == (MK_RBUTTON | MK_CONTROL)) return 8;
  if (flags == (MK_RBUTTON | MK_SHIFT)) return 7;
  return 0;
}

void RestartSelect(CGisEditView& view) {
  view.CancelInterActive();
  view.SelectGraphics();
}

}  // namespace

bool PreviewViewEvent(SecEditViewShared& shared, QEvent* event) {
  switch (event->type()) {
    case QEvent::MouseButtonPress: {
      const auto* e = static_cast<QMouseEvent*>(event);
      const unsigned flags = MouseFlagsOf(e->buttons(), e->modifiers());
      if (e->button() == Qt::LeftButton) OnViewLButtonDown(shared, flags, MousePointOf(e));
      if (e->button() == Qt::RightButton) OnViewRButtonDown(shared, flags, MousePointOf(e), e->globalPosition().toPoint());
      return false;
    }
    case QEvent::MouseMove: {
      const auto* e = static_cast<QMouseEvent*>(event);
      OnViewMouseMove(shared, MouseFlagsOf(e->buttons(), e->modifiers()), MousePointOf(e));
      return false;
    }
    case QEvent::MouseButtonDblClick:
      if (static_cast<QMouseEvent*>(event)->button() != Qt::RightButton) return false;
      OnViewRButtonDblClk(shared);
      return true;
    case QEvent::Wheel: {
      const auto* e = static_cast<QWheelEvent*>(event);
      const QPointF p = e->position();
      OnViewWheel(shared, e->angleDelta().y(), {static_cast<int32_t>(p.x()), static_cast<int32_t>(p.y())});
      return true;
    }
    default:
      return false;
  }
}

void OnViewMouseMove(SecEditViewShared& shared, unsigned, CPoint point) {
  CGisEditView& view = shared.EditView();
  SyncRulers(shared, 3, point.x, point.y);
  ViewChrome& chrome = Chrome();
  chrome.ShowOperation(view.GetOperationName(1));
  const D_DOT at = view._WpToLp(point);
  const SelectionPool& pool = view.SelectionPool_();
  const views::PoolCounts& counts = shared.status.Counts(pool.entries(), pool.revision());
  chrome.ShowCoordinates(at.x, at.y, counts, shared.StatusText());
  shared.AfterStatus();
  if (view._GetCommandFlag() == kFlagMeasure) MeasureMove(shared, point);
}

void OnViewLButtonDown(SecEditViewShared& shared, unsigned, CPoint point) {
  shared.mouseState = 2;
  if (shared.EditView()._GetCommandFlag() == kFlagMeasure) MeasureClick(shared, point);
}

void OnViewRButtonDown(SecEditViewShared& shared, unsigned flags, CPoint, const QPoint& globalPos) {
  CGisEditView& view = shared.EditView();
  const AppSettings& s = Settings();
  view._SetEnablePopMnFlag(s.menu);
  if (CurrentPickMode() != 0) {
    view.ClearPool();
    return;
  }
  const bool plan = shared.GeneralMenu() == 3;
  const bool measuring = view._GetCommandFlag() == kFlagMeasure;
  // The plan view ends its measurement before the menus.
  if (plan && measuring) MeasureEnd(shared);
  if (s.menu == 0) {
    view._StopFlash(-1);
    shared.OnRightPress();
    if (IsLineInput(view.GetOperationName(1)) && view.IsInOperate() != 1) shared.mouseState = 1;
    int menu = shared.GeneralMenu();
    if (shared.mouseState != 2) {
      if (const int modifierMenu = ModifierMenu(flags)) {
        Chrome().PopupContextMenu(modifierMenu, globalPos);
        menu = modifierMenu;
      }
    }
    shared.mouseState = 1;
    if (shared.pendingClear) {
      view.ClearPool();
      if (s.seclect != 0) RestartSelect(view);
    }
    const int operating = view.IsInOperate();
    if (operating == -1 && !measuring) {
      view.ClearPool();
      shared.pendingClear = false;
      if (plan) view._SetCommandFlag(kFlagIdle);
      Chrome().PopupContextMenu(menu, globalPos);
      if (s.seclect != 0) {
        if (plan)
          view.SelectGraphics();
        else
          RestartSelect(view);
      }
    } else if (operating == 0) {
      shared.pendingClear = true;
    }
  }
  if (!plan && measuring) MeasureEnd(shared);
}

void OnViewRButtonDblClk(SecEditViewShared& shared) {
  shared.EditView()._SetCommandFlag(kFlagIdle);
  shared.mouseState = 0;
  Chrome().CloseMeasureWindow();
}

void OnViewWheel(SecEditViewShared& shared, int angleDelta, CPoint point) {
  CGisEditView& view = shared.EditView();
  shared.wheelRest += angleDelta;
  const int steps = shared.wheelRest / 120;
  if (steps == 0) return;
  shared.wheelRest -= steps * 120;
  for (int i = 0; i < std::abs(steps); ++i) {
    if (steps > 0)
      view._EnlargeWindowLxy(point);
    else
      view._ReduceWindowLxy(point);
  }
  // The window moves by its argument and the map the other way, so moving
  // it by (cursor − centre) brings the point under the cursor to the centre.
  const int cx = view.width() / 2;
  const int cy = view.height() / 2;
  view._MoveWindowLxy(point.x - cx, point.y - cy);
}

}  // namespace zv
