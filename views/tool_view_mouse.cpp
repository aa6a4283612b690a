#include "views/tool_view_mouse.h"

#include <QCursor>
#include <cmath>

#include "app/app_settings.h"
#include "common/globals/program_globals.h"
#include "views/cursor_seam.h"
#include "views/tool_core/pick_apply.h"
#include "views/tool_overlay/tool_overlay.h"
#include "views/tool_view_draw.h"
#include "views/tool_view_edit.h"

namespace zv {
namespace {

constexpr int kDragVertexPixels = 3;

int SelectOfPick(CGisEditView& view, int16_t pick, unsigned message, unsigned flags, CPoint point) {
  switch (pick) {
    case -4: return view.SelectAll(message, flags, point);
    case -3: return view.SelectReg(message, flags, point);
    case -2: return view.SelectLin(message, flags, point, 0);
    case -1: return view.SelectPnt(message, flags, point);
    default: return 0;
  }
}

// The apply of pick modes −4 .. −1; −1 ends the running interaction first.
// One undo step, and only when a parameter changed.
void ApplyPick(CGisEditView& view, int16_t pick) {
  if (view.PoolCount() == 0 || !BasIsWorkAreaValid(view.Pool()[0].area)) return;
  if (pick == -1) view.CancelInterActive();
  bool changed = false;
  view.RunCommand([&] {
    changed = toolview::ApplyPickMode(pick, {view.Pool(), static_cast<std::size_t>(view.PoolCount())}, view.GetUndo());
  });
  view._StopFlash(-1);
  if (changed) view._UpdateWindow();
}

// Pick mode 1: a sub-graph with the default sub-graph record and no text at
// the press, one undo step.
void PlacePointAtCursor(CGisEditView& view, CPoint point) {
  if (view.IsInOperate() == 0) view.CancelInterActive();
  PNT_INFO info;
  BasGetDefaultPointParam(&info, 1);
  const WorkAreaHandle area = view.GetCurrentPntArea();
  view.RunCommand([&] {
    const int32_t id = BasAppendPoint(area, view._WpToLp(point), "", info);
    if (id) view.GetUndo().PushList(area, kPointEntity, &id, 1, GisUndo::kAppended);
  });
  view._UpdateWindow();
}

// "standard chart" 1: any left press but Ctrl+left; 0: Shift+left only.
bool DragWanted(unsigned flags) {
  return Settings().standardChart != 0 ? flags != (MK_LBUTTON | MK_CONTROL) : flags == (MK_LBUTTON | MK_SHIFT);
}

bool InPool(const CGisEditView& view, const ENTITY_MSG& e) {
  for (int i = 0; i < view.PoolCount(); ++i) {
    const ENTITY_MSG& p = view.Pool()[i];
    if (p.area == e.area && p.type == e.type && p.id == e.id) return true;
  }
  return false;
}

bool PressOnPicked(const CGisEditView& view, CPoint point) {
  for (unsigned kind : {CGisEditView::kPickPoints, CGisEditView::kPickLines, CGisEditView::kPickRegions})
    for (const ENTITY_MSG& e : view.PickAtPoint(kind, point))
      if (InPool(view, e)) return true;
  return false;
}

bool NearSelectedVertex(const CGisEditView& view, CPoint point) {
  std::vector<D_DOT> vertices;
  for (int i = 0; i < view.PoolCount(); ++i) {
    const ENTITY_MSG& e = view.Pool()[i];
    if (e.type != kLineEntity || !BasReadLine(e.area, e.id, &vertices, nullptr)) continue;
    for (const D_DOT& v : vertices) {
      const CPoint w = view._LpToWp(v);
      if (std::abs(w.x - point.x) <= kDragVertexPixels && std::abs(w.y - point.y) <= kDragVertexPixels) return true;
    }
  }
  return false;
}

// The drag a press starts, by what the pool holds. A press away from every
// picked entity drags nothing, so that a click in a select mode still
// selects.
void StartDrag(CGisEditView& view, CPoint point) {
  if (view.IsInOperate() != -1 || view.PoolCount() == 0) return;
  bool points = false, lines = false, others = false;
  for (int i = 0; i < view.PoolCount(); ++i) {
    const ENTITY_MSG& e = view.Pool()[i];
    if (!BasIsWorkAreaValid(e.area)) continue;
    (e.type == kPointEntity ? points : e.type == kLineEntity ? lines : others) = true;
  }
  const bool onlyLines = lines && !points && !others;
  if (onlyLines && NearSelectedVertex(view, point)) {
    view.CancelInterActive();
    view.MoveLineDot();
    return;
  }
  if (!PressOnPicked(view, point)) return;
  if (points && !lines && !others)
    view.MovePoint();
  else if (onlyLines)
    view.MoveLine();
  else
    view.MoveGraph();
}

CPoint Rounded(double x, double y) {
  return {static_cast<int32_t>(std::lround(x)), static_cast<int32_t>(std::lround(y))};
}

}  // namespace

bool IsSelectPickMode(int16_t pickMode) { return pickMode >= -4 && pickMode <= -1; }

double SnapToleranceOf(const CGisEditView& view) { return snap::SnapTolerance(view._GetWinDispRate()); }

CPoint ToolViewLButtonDown(ToolViewShared& tv, unsigned flags, CPoint point) {
  CGisEditView& view = tv.View();
  const CPoint pressed = point;
  const int16_t pick = CurrentPickMode();
  if (IsSelectPickMode(pick)) SelectOfPick(view, pick, WM_LBUTTONDOWN, flags, point);
  if (pick == 1) PlacePointAtCursor(view, point);

  if (tv.ortho.TakePress(OrthoEnabled() != 0)) point = view._LpToWp(*tv.ortho.reference());
  const D_DOT at = view._WpToLp(point);
  tv.lastPressed = at;
  tv.snap.SetPrevious(at);
  tv.ortho.AfterPress();

  if (DragWanted(flags)) StartDrag(view, point);

  std::optional<D_DOT> snapped;
  if (SnapEnabled() != 0) snapped = tv.snap.Press(at, SnapToleranceOf(view));
  if (snapped) {
    point = view._LpToWp(*snapped);
    MoveCursorTo(view.mapToGlobal(QPoint(point.x, point.y)));
  }

  // The vertex is taken after this press's snap, so a snapped vertex is the
  // target of this very press.
  if (pick == 2 || pick == 3) {
    tv.digitiser.Press(view, flags, pressed, snapped);
    RestartRubber(tv, point);
  }
  if (tv.pickEntity) view.SelectAll(WM_LBUTTONDOWN, flags, point);
  return point;
}

CPoint ToolViewMouseMove(ToolViewShared& tv, unsigned flags, CPoint point) {
  CGisEditView& view = tv.View();
  const CPoint cursor = point;
  if (CurrentPickMode() != 0 && view.IsInOperate() == 0) CurrentPickMode() = 0;
  const int16_t pick = CurrentPickMode();
  if (IsSelectPickMode(pick)) {
    SelectOfPick(view, pick, WM_MOUSEMOVE, flags, point);
    ApplyPick(view, pick);
  } else if (pick == 2 || pick == 3) {
    MoveRubber(tv, point, true);
  }

  if (OrthoEnabled() != 0 && tv.lastPressed) {
    double px = 0, py = 0;
    view._LpToWp(*tv.lastPressed, &px, &py);
    const D_DOT constrained = toolview::OrthoState::Constrain({static_cast<double>(point.x), static_cast<double>(point.y)}, {px, py});
    tv.ortho.SetReference(view._WpToLp(constrained.x, constrained.y));
    point = Rounded(constrained.x, constrained.y);
  }

  if (view.IsInOperate() == -1 && Settings().seclect != 0) MoveHoverBox(tv, cursor);
  if (SnapEnabled() != 0) {
    const std::vector<WorkAreaHandle> areas = tv.SnapAreas();
    ShowSnapChanges(tv, tv.snap.Move(view._WpToLp(cursor), SnapToleranceOf(view), areas));
  }
  if (Settings().showKou != 0) DrawVertexMarksNow(tv);
  return point;
}

void ToolViewLButtonUp(ToolViewShared& tv, unsigned flags, CPoint point) {
  CGisEditView& view = tv.View();
  const int16_t pick = CurrentPickMode();
  if (IsSelectPickMode(pick)) {
    SelectOfPick(view, pick, WM_LBUTTONUP, flags, point);
    ApplyPick(view, pick);
  }
  if (tv.pickEntity) {
    view.SelectAll(WM_LBUTTONUP, flags, point);
    EditPickedEntity(tv);
  }
}

void ToolViewRButtonDown(ToolViewShared& tv, unsigned flags) {
  const int16_t pick = CurrentPickMode();
  if ((pick == 2 || pick == 3) && tv.digitiser.active()) {
    tv.digitiser.Finish(tv.View(), pick, flags);
    tv.rubber.reset();
  }
  tv.ortho.Reset();
}

void ToolViewRButtonDblClk(ToolViewShared& tv) {
  CGisEditView& view = tv.View();
  CurrentPickMode() = 0;
  tv.pickEntity = false;
  view.CancelInterActive();
  view.ClearPool();
  if (Settings().seclect != 0) {
    if (!tv.IsPlan()) view.CancelInterActive();
    view.SelectGraphics();
  }
}

void ToolViewMButtonDown(ToolViewShared& tv, CPoint point) {
  tv.middleDown = true;
  tv.middlePressedAt = point;
  tv.classCursor = tv.View().cursor();
  tv.View().setCursor(Qt::ClosedHandCursor);
}

void ToolViewMButtonUp(ToolViewShared& tv, CPoint point) {
  if (!tv.middleDown) return;
  tv.middleDown = false;
  CGisEditView& view = tv.View();
  view.setCursor(tv.classCursor);
  view._MoveWindowLxy(tv.middlePressedAt.x - point.x, tv.middlePressedAt.y - point.y);
}

}  // namespace zv
