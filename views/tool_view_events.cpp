#include "views/tool_view_events.h"

#include <QKeyEvent>
#include <QMouseEvent>

#include "common/globals/program_globals.h"
#include "platform/view/mouse_points.h"
#include "platform/view/virtual_keys.h"
#include "views/edit_view_mouse.h"
#include "views/tool_input/selection_keys.h"
#include "views/tool_view_edit.h"
#include "views/tool_view_mouse.h"

namespace zv {
namespace {

using SelectMode = void (CGisEditView::*)();

struct KeyEntry {
  unsigned key;
  SelectMode select = nullptr;  // a select mode
  int command = 0;              // or a command
  int snapSwitch = -1;          // or a snap switch
};

constexpr KeyEntry kKeys[] = {
    {'B', &CGisEditView::SelectRegion}, {'C', &CGisEditView::SelectPoint}, {'V', &CGisEditView::SelectLine},
    {'E', nullptr, 32891},              {'T', nullptr, 32798},             {'N', nullptr, 33361},
    {'Z', nullptr, 33360},              {'X', nullptr, 33363},             {'Q', nullptr, 33031},
    {'U', nullptr, 0, snap::kSwitchVertex},        {'I', nullptr, 0, snap::kSwitchCrossing},
    {'Y', nullptr, 0, snap::kSwitchPointEntity},   {'O', nullptr, 0, snap::kSwitchPerpendicular},
    {'P', nullptr, 0, snap::kSwitchNearest},       {0xDB, nullptr, 0, snap::kSwitchMidpoint},
};

// The same event at another window point.
QMouseEvent MovedEvent(const QMouseEvent& e, CPoint to, QWidget& view) {
  const QPointF at(to.x, to.y);
  return QMouseEvent(e.type(), at, view.mapToGlobal(at), e.button(), e.buttons(), e.modifiers());
}

bool PassMouse(QMouseEvent* e, CPoint point, CPoint original, QWidget& view, const PassOn& passOn) {
  if (point == original) return passOn(e);
  QMouseEvent moved = MovedEvent(*e, point, view);
  return passOn(&moved);
}

bool OnPress(ToolViewShared& tv, QMouseEvent* e, const PassOn& passOn) {
  const unsigned flags = MouseFlagsOf(e->buttons(), e->modifiers());
  const CPoint point = MousePointOf(e);
  switch (e->button()) {
    case Qt::LeftButton: {
      const bool selectPick = IsSelectPickMode(CurrentPickMode());
      const CPoint to = ToolViewLButtonDown(tv, flags, point);
      if (!selectPick) return PassMouse(e, to, point, tv.View(), passOn);
      PreviewViewEvent(tv.Edit(), e);
      return true;
    }
    case Qt::RightButton: ToolViewRButtonDown(tv, flags); break;
    case Qt::MiddleButton: ToolViewMButtonDown(tv, point); break;
    default: break;
  }
  return passOn(e);
}

bool OnRelease(ToolViewShared& tv, QMouseEvent* e, const PassOn& passOn) {
  const CPoint point = MousePointOf(e);
  if (e->button() == Qt::LeftButton) {
    const bool selectPick = IsSelectPickMode(CurrentPickMode());
    ToolViewLButtonUp(tv, MouseFlagsOf(e->buttons(), e->modifiers()), point);
    if (selectPick) return true;
  }
  if (e->button() == Qt::MiddleButton) ToolViewMButtonUp(tv, point);
  return passOn(e);
}

bool OnDoubleClick(ToolViewShared& tv, QMouseEvent* e, const PassOn& passOn) {
  switch (e->button()) {
    case Qt::LeftButton:
      if (!ToolViewLButtonDblClk(tv, MouseFlagsOf(e->buttons(), e->modifiers()), MousePointOf(e))) return true;
      break;
    case Qt::RightButton: ToolViewRButtonDblClk(tv); break;
    case Qt::MiddleButton: tv.View().OnRestoreWindow(); break;
    default: break;
  }
  return passOn(e);
}

bool OnMove(ToolViewShared& tv, QMouseEvent* e, const PassOn& passOn) {
  const CPoint point = MousePointOf(e);
  const bool selectPick = IsSelectPickMode(CurrentPickMode());
  const CPoint to = ToolViewMouseMove(tv, MouseFlagsOf(e->buttons(), e->modifiers()), point);
  if (!selectPick) return PassMouse(e, to, point, tv.View(), passOn);
  PreviewViewEvent(tv.Edit(), e);
  return true;
}

}  // namespace

bool ToolViewKey(ToolViewShared& tv, unsigned virtualKey) {
  CGisEditView& view = tv.View();
  for (const KeyEntry& k : kKeys) {
    if (k.key != virtualKey) continue;
    if (k.select) {
      if (!tv.IsPlan()) view.CancelInterActive();
      (view.*k.select)();
    } else if (k.command) {
      RunToolViewCommand(tv, k.command);
    } else {
      tv.snap.switches().Flip(k.snapSwitch);
    }
    return true;
  }
  return false;
}

bool ToolViewEvent(ToolViewShared& tv, QEvent* event, const PassOn& passOn) {
  switch (event->type()) {
    case QEvent::MouseButtonPress: return OnPress(tv, static_cast<QMouseEvent*>(event), passOn);
    case QEvent::MouseButtonRelease: return OnRelease(tv, static_cast<QMouseEvent*>(event), passOn);
    case QEvent::MouseButtonDblClick: return OnDoubleClick(tv, static_cast<QMouseEvent*>(event), passOn);
    case QEvent::MouseMove: return OnMove(tv, static_cast<QMouseEvent*>(event), passOn);
    case QEvent::KeyPress: {
      const unsigned key = VirtualKeyOf(static_cast<QKeyEvent*>(event)->key());
      if (key != 0) {
        ToolViewKey(tv, key);
        toolview::SelectionKey(tv.View(), key);
      }
      return passOn(event);
    }
    default: return passOn(event);
  }
}

}  // namespace zv
