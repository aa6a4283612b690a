#pragma once
// The tool views' keys on the selection: the arrow keys move every live
// picked line and point 5 pixels, Delete deletes every live picked entity;
// each is one undo step, then the view redraws. Positions go through the
// view's transforms in doubles, so a vertex moves by exactly 5 pixels'
// worth of map units and is not snapped to the pixel grid.

#include "platform/view/gis_edit_view.h"

namespace zv::toolview {

inline constexpr unsigned kKeyLeft = 0x25, kKeyUp = 0x26, kKeyRight = 0x27, kKeyDown = 0x28, kKeyDelete = 0x2E;
inline constexpr int kNudgePixels = 5;

// Deletes every live picked entity (the undo store records them first) and
// clears the pool. Callers bracket it as one undo step.
void DeletePickedEntities(CGisEditView& view);

// True when the key acted (an arrow or Delete with a non-empty pool).
bool SelectionKey(CGisEditView& view, unsigned key);

}  // namespace zv::toolview
