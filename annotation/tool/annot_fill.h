#pragma once
// The pattern fill of the annotation tool: the hatch pattern dialog, the
// checks before anything changes, the deletion of earlier patterns, the
// recolouring, the drawing and its one undo step.
//
// A fill first asks for the current point, line and region work areas
// ("你好像忘记点什么？…" when one is missing), runs the dialog (anything
// but OK stops the tool and changes nothing), then checks the pattern and
// every outline against the piece cap: a failure is told in one message and
// changes nothing but the selection, which is cleared. Afterwards the tool
// stops (selection cleared, flashing stopped) and the view is redrawn.

#include <vector>

#include "annotation/core/pattern_rings.h"
#include "annotation/tool/sec_annot_tool.h"

namespace zv::annot {

// Modes −7 and 7: the selected regions (lines) filled, their earlier
// patterns removed first; −7 also gives each region the fill colour.
void FillRegionsWithAnglePattern(CSecAnnotTool& tool);
void FillLinesWithAnglePattern(CSecAnnotTool& tool);

// The trend fills: one drawn or chosen outline, tagged 10000; with an
// anchor the families start there, the angle is 0 and nothing is bent.
inline constexpr int32_t kTrendPatternTag = 10000;
void FillOneOutline(CSecAnnotTool& tool, const Rings& outline, const D_DOT* anchor);

}  // namespace zv::annot
