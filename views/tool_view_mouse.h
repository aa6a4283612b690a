#pragma once
// The tool views' mouse steps before the editing view's own handling: the
// pick modes of the attribute pages (CurrentPickMode), ortho, snapping,
// the drag start on a picked entity, the pick-entity switch, the
// middle-button pan and the right button's ends. Each left press or move
// returns the window point the editing view is to get (ortho or a snap may
// replace it).

#include "views/tool_view_shared.h"

namespace zv {

// Pick modes −4 .. −1 hand the view's select calls their mouse events; the
// event is then not passed on (the view's own select mode would select it
// a second time).
bool IsSelectPickMode(int16_t pickMode);

CPoint ToolViewLButtonDown(ToolViewShared& tv, unsigned flags, CPoint point);
CPoint ToolViewMouseMove(ToolViewShared& tv, unsigned flags, CPoint point);
void ToolViewLButtonUp(ToolViewShared& tv, unsigned flags, CPoint point);
// Ends a figure of pick mode 2 or 3, and resets the ortho counters.
void ToolViewRButtonDown(ToolViewShared& tv, unsigned flags);
// Pick mode and pick-entity switch off, interaction ended, pool cleared; the
// select mode again when "seclect" is on.
void ToolViewRButtonDblClk(ToolViewShared& tv);
// The middle button pans the map with the hand: press, release (by press −
// release), double click (the whole map).
void ToolViewMButtonDown(ToolViewShared& tv, CPoint point);
void ToolViewMButtonUp(ToolViewShared& tv, CPoint point);

// The snap tolerance of the view now, in world units.
double SnapToleranceOf(const CGisEditView& view);

}  // namespace zv
