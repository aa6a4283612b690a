#pragma once
// The outline of one entity in the drawing context's colour and mode: a
// square of 9 pixels round a point, the polyline of a line (thinned to one
// vertex per pixel) `penWidth` pixels wide, the rings of a region. Flashing
// and dragging draw it; in a toggling mode a second draw removes it.

#include "platform/data/work_area.h"
#include "platform/display/kernel_driver.h"

namespace zv {

void OutlineEntity(display::KernelDriver& dc, const ENTITY_MSG& entity, int penWidth = 1);

}  // namespace zv
