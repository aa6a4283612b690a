#pragma once
// Modes 5 (水平对齐) and −6 (垂直对齐): the legend boxes among the selected
// entities lined up in a row or a column at the spacing the user enters
// ("图例间隔：", 15 offered; the distance between neighbouring centres). A
// vertical alignment whose dialog is not confirmed runs at 5; a horizontal
// one does not run. A spacing that is not a number is told and nothing
// moves. The move is one undo step and the view is redrawn.

#include "annotation/tool/sec_annot_tool.h"

namespace zv::annot {

void AlignLegendsHorizontally(CSecAnnotTool& tool);
void AlignLegendsVertically(CSecAnnotTool& tool);

}  // namespace zv::annot
