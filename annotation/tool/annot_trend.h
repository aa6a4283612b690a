#pragma once
// The drawn-outline fill (mode −9) and the trend fill (mode 9) of the
// annotation tool: their mouse handlers and drawing hooks.
//
// −9: each left press adds a point (map units) and restarts the rubber band
// from it; the right button fills the polygon of the points, closed by the
// first, when there are at least two, and drops the points.
// 9: first one line or region is chosen by the selection (a line closed by
// its first vertex; of a region its first ring); a release with nothing, a
// point or several entities drops the selection and the stage stays. Then
// left presses draw the trend line; the right button fills the chosen
// outline with the pattern anchored at the trend line's first point, drops
// the points and the selection and goes back to choosing. Both modes say
// what to do next at the view's top left, in red.

#include "annotation/tool/sec_annot_tool.h"

namespace zv::annot {

void AddTrendPoint(CSecAnnotTool& tool, unsigned flags, CPoint point);
void TrackRubberBand(CSecAnnotTool& tool, unsigned flags, CPoint point);
void FinishDrawnOutline(CSecAnnotTool& tool, unsigned flags, CPoint point);
void DrawTrendHook(CSecAnnotTool& tool, KernelDriver* dc);

void TrendLeftDown(CSecAnnotTool& tool, unsigned flags, CPoint point);
void TrendMove(CSecAnnotTool& tool, unsigned flags, CPoint point);
void TrendLeftUp(CSecAnnotTool& tool, unsigned flags, CPoint point);
void TrendFinish(CSecAnnotTool& tool, unsigned flags, CPoint point);
void TrendDraw(CSecAnnotTool& tool, KernelDriver* dc);

inline constexpr char kChooseOutlinePrompt[] = "请先选择闭合线或者区！";
inline constexpr char kDrawTrendPrompt[] = "请画一条花纹趋势线！！";

}  // namespace zv::annot
