#pragma once
// A plain drawing of work areas for the views: regions filled in their
// colour (holes left open), lines in their colour one pixel wide, points as
// their text, or a mark of their kind. It stands in until the display
// library's renderer, with symbols, line types and patterns, takes over.
// Entities are drawn in display order; those on layers switched off and
// those outside `visible` are skipped; dense lines are thinned to one
// vertex per pixel.

#include "platform/data/work_area.h"
#include "platform/view/view_dc.h"

namespace zv {

void PaintWorkArea(ViewDC& dc, WorkAreaHandle area, const D_RECT& visible);

// The outline of one entity in the context's colour and mode (a square of
// 9 pixels round a point, the polyline of a line, the rings of a region):
// what flashing and dragging draw.
void OutlineEntity(ViewDC& dc, const ENTITY_MSG& entity);

}  // namespace zv
