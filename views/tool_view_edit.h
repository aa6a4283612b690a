#pragma once
// Editing an entity of a tool view by the mouse: the left double click
// ("leftdoudown") opens the parameter editor, or with Ctrl the attribute
// editor, of the entity under the cursor; a click with the pick-entity
// switch on (command 33538) takes the picked entity's parameters as the
// defaults and starts the tool that draws one more like it.

#include "views/tool_view_shared.h"

namespace zv {

// The entity a double click at a world point edits, in the order: a point
// whose rectangle holds the click, a line within `lineWithin` world units,
// the region that contains the click. `silent`: a line was found farther
// away and no region holds the click (the click then does nothing at all).
struct DoubleClickChoice {
  std::optional<ENTITY_MSG> entity;
  bool silent = false;
};
DoubleClickChoice ChooseDoubleClickEntity(const ToolViewShared& tv, const D_DOT& at, double lineWithin);

// The left double click; true when the event is to go on to the editing
// view (not after the silent case or a cancelled parameter editor).
bool ToolViewLButtonDblClk(ToolViewShared& tv, unsigned flags, CPoint point);

// The first picked entity's parameters become the defaults; a sub-graph
// then starts the edit-aid tool's mode 117, a line runs 32940 (polyline
// construction), a region 33428 (draw region).
void EditPickedEntity(ToolViewShared& tv);

}  // namespace zv
