#pragma once
// How a tool view sees its Qt events before its editing view: mouse events
// run the steps of views/tool_view_mouse.h and views/tool_view_edit.h and
// then go on (with the press or move point ortho or a snap gave); keys run
// the key table below, then the arrow keys and Delete on the selection,
// then go on.
//
// Key table (the key goes on afterwards): B, C, V the region, point and
// line select modes (the section view ends the running interaction first);
// E the extended tool box (32891); T the platform tool box (32798); N, Z,
// X, Q the commands 33361, 33360, 33363, 33031; U, I, Y, O, P and "[" flip
// the six snap switches in their order.

#include <QEvent>
#include <functional>

#include "views/tool_view_shared.h"

namespace zv {

// Passes an event on to the editing view; true when it was taken.
using PassOn = std::function<bool(QEvent*)>;
bool ToolViewEvent(ToolViewShared& tv, QEvent* event, const PassOn& passOn);

// The key table; true when the key had an entry.
bool ToolViewKey(ToolViewShared& tv, unsigned virtualKey);

}  // namespace zv
