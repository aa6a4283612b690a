#pragma once
// What the tool views draw over the map. Between redraws the rubber
// segment, the hover box and the snap marker are toggled on the view's
// picture (drawing one again removes it); after each redraw the overlay
// draws what is shown now again, in each view's order:
//   section: digitised figure, hover box, vertex squares, snap marker;
//   plan:    digitised figure, vertex squares, snap marker.
// and last, in both, the measurement read-out of the picked regions and
// lines (views/tool_core/measure_readout.h) in red at the top-left corner.
// The gridding overlay comes with its own commands and draws nothing here.

#include <QString>

#include "views/tool_view_shared.h"

namespace zv {

// The rubber segment from the last vertex to `to` (window points), the old
// one removed first; with `readout` the segment's length and bearing are
// written at (20, 20) ("线长：%f  ,角度：%f", red on an opaque background).
void MoveRubber(ToolViewShared& tv, CPoint to, bool readout);
// After a press added a vertex: the segment drawn so far stays, and a new
// one starts at the press.
void RestartRubber(ToolViewShared& tv, CPoint at);

// The hover box ±4 pixels about the cursor, moved from where it was.
void MoveHoverBox(ToolViewShared& tv, CPoint to);

// The snap search's marker changes on the picture.
void ShowSnapChanges(ToolViewShared& tv, const snap::SnapEngine::MoveResult& changes);

// The squares on the selected entities' vertices, drawn on the picture.
void DrawVertexMarksNow(ToolViewShared& tv);

// The read-out's lines for the pool now (sums taken again only when the
// pool changed) at the main window's scale denominator.
std::vector<toolview::ReadoutLine> MeasureReadout(ToolViewShared& tv);

// The overlay after a redraw.
void DrawToolOverlay(ToolViewShared& tv, KernelDriver& dc);

}  // namespace zv
