#pragma once
// Modes −8 and 8 of the annotation tool: the patterns of the selected
// regions (lines) deleted as one undo step, and the view redrawn. The fill
// removes earlier patterns through RemovePatterns inside its own step.

#include "annotation/core/pattern_delete.h"
#include "annotation/tool/sec_annot_tool.h"
#include "platform/view/gis_undo.h"

namespace zv::annot {

void DeleteRegionPatterns(CSecAnnotTool& tool);
void DeleteLinePatterns(CSecAnnotTool& tool);

// Records the entities for undo, then deletes them.
void RemovePatterns(GisUndo& undo, const FillTargets& areas, const PatternEntities& found);

}  // namespace zv::annot
