#pragma once
// What the tool views draw over the map: the squares on the vertices of the
// selected lines and at the selected points ("ShowKou"), and the snap
// marker. Positions are converted with the view's window transform; the
// squares skip whatever lies outside the window.

#include <span>

#include "platform/data/work_area.h"
#include "platform/display/kernel_driver.h"
#include "views/snap/snap_search.h"

namespace zv {
class CGisView;
}

namespace zv::toolview {

// ±3-pixel squares in colour number 6 at every vertex of the selected lines
// and at every selected point, in the context's current mode, drawn in one
// batch. Entries of closed areas are skipped; in a plain (not toggling)
// mode vertices that fall on one window pixel share one square. Returns
// how many squares were drawn.
int DrawSelectedVertexMarks(const CGisView& view, display::KernelDriver& dc, std::span<const ENTITY_MSG> pool);

// The snap marker: a ±6-pixel square, 3 pixels wide, in its kind's colour,
// drawn not-XOR so that drawing it again removes it.
void DrawSnapMarker(const CGisView& view, display::KernelDriver& dc, const snap::SnapMarker& marker);

}  // namespace zv::toolview
