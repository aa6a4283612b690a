#pragma once
// Modes 3 (拾取图例), −4 (选线获取), 4 (选区获取) and −5 (鼠标框取):
// a legend sample cut out of the map and stored as a new legend item.
//
// The outline: a 12 × 8 box around the clicked point (3), the rectangle of
// the one selected line (−4) or region (4), or a dragged rectangle (−5).
// Everything of the project's work areas (or, outside a project, of the
// view's current areas) inside it is gathered; the number is found first,
// then the name asked ("文件名：", "图例名称"); anything but OK writes
// nothing. An outline without width or height is refused before the name is
// asked. The user's map is never changed.

#include "annotation/tool/sec_annot_tool.h"

namespace zv::annot {

// Mode 3: armed by the constructor; the 96 × 64 pixel box follows the mouse
// and each press gathers around its point.
void ArmLegendPick(CSecAnnotTool& tool);
void PickLegendAtPoint(CSecAnnotTool& tool, unsigned flags, CPoint point);
void TrackPickBox(CSecAnnotTool& tool, unsigned flags, CPoint point);
void DrawPickBox(CSecAnnotTool& tool, KernelDriver* dc);

// Modes −4 and 4: only with exactly one selected line (region) of a valid
// work area.
void GatherLegendByLine(CSecAnnotTool& tool);
void GatherLegendByRegion(CSecAnnotTool& tool);

// Mode −5: the drag; its release gathers.
void BeginGatherBox(CSecAnnotTool& tool, unsigned flags, CPoint point);
void TrackGatherBox(CSecAnnotTool& tool, unsigned flags, CPoint point);
void EndGatherBox(CSecAnnotTool& tool, unsigned flags, CPoint point);
void DrawGatherBox(CSecAnnotTool& tool, KernelDriver* dc);

}  // namespace zv::annot
