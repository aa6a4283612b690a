#pragma once
// The mouse handling both editing views add to the platform view: the
// status read-out on every move, the context menus of the right button, the
// right double-click, the wheel zoom, and the distance-and-angle
// measurement (command flag 1235). The views forward their events here
// before (or instead of) the platform view's own handling.

#include <QEvent>
#include <QPoint>

#include "platform/view/mouse_points.h"
#include "views/edit_view_shared.h"

namespace zv {

// Sees a view's mouse events before the platform view does: presses and
// moves go on to it afterwards; the wheel and the right double-click are
// taken whole (true).
bool PreviewViewEvent(SecEditViewShared& shared, QEvent* event);

// Rulers, pane 0, the read-out, the measurement's rubber band.
void OnViewMouseMove(SecEditViewShared& shared, unsigned flags, CPoint point);
// Mouse state 2; a measurement click under flag 1235.
void OnViewLButtonDown(SecEditViewShared& shared, unsigned flags, CPoint point);
// The context menus and the pending clear; the measurement's end under flag
// 1235 (the plan view ends it before the menus, the section view after).
void OnViewRButtonDown(SecEditViewShared& shared, unsigned flags, CPoint point, const QPoint& globalPos);
// Flag 1227, mouse state 0, the measurement window closed as by OK.
void OnViewRButtonDblClk(SecEditViewShared& shared);
// One zoom step about the cursor per 120 units of angle (the rest kept for
// the next event), then the point under the cursor to the window centre.
void OnViewWheel(SecEditViewShared& shared, int angleDelta, CPoint point);

// ---- Measurement (edit_view_measure.cpp)
// 32975: a new measurement (flag 1235, window with six zeros).
void StartMeasurement(SecEditViewShared& shared);
void MeasureClick(SecEditViewShared& shared, CPoint point);
void MeasureMove(SecEditViewShared& shared, CPoint point);
void MeasureEnd(SecEditViewShared& shared);
// The measurement window closed: flag 1227, the rubber band taken off and
// the points dropped (what was drawn goes with the next redraw).
void EndMeasurement(SecEditViewShared& shared);
// Draws the polyline and the rubber band again after a redraw.
void RedrawMeasurement(SecEditViewShared& shared);

}  // namespace zv
