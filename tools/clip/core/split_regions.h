#pragma once
// Splitting the regions of a region area by a cutting line (the clip tool's
// modes −4 and 4) and cutting a self-crossing arc (mode 5), as work-area
// edits recorded on the undo store given (the caller brackets the step, so
// each call is one undo step). No Qt.

#include <cstdint>
#include <string>
#include <vector>

#include "platform/topology/topology.h"
#include "platform/view/gis_undo.h"

namespace zv::tools {

inline constexpr double kSplitTolerance = 0.01;
inline constexpr double kSelfCrossingTolerance = 1.0;

struct TopoEditOutcome {
  int32_t changed = 0;  // regions split, or 1 when an arc was cut
  std::string error;    // the first failure, naming the entity
};

// Records each entity the topology call reports on `undo`: before it is
// changed or deleted, after it is appended.
TopoReport UndoReport(GisUndo& undo, WorkAreaHandle area);

// Every region of `area` with an arc whose box meets the line's is split
// by its own copy of `cut` (the current default line parameters); copies and pieces of
// copies that bound no region afterwards are removed, and nothing else: a
// free arc of the area stays. Nothing with fewer than two vertices.
TopoEditOutcome SplitRegions(GisUndo& undo, WorkAreaHandle area, const std::vector<D_DOT>& cut);

// The line or arc `id` of `area` cut where it crosses itself, the regions
// using it listing its pieces.
TopoEditOutcome CutSelfCrossings(GisUndo& undo, WorkAreaHandle area, int32_t id);

}  // namespace zv::tools
