#pragma once
// Finding the patterns of selected entities for deletion. A pattern entity
// belongs to a selected entity when its "花纹" tag is not 0 and equals the
// selected entity's id, and it lies inside the selected entity's ring set
// (platform/editors/inside_tests.h). Only the current point, line and
// region work areas are searched; a selected line is never its own pattern
// (lines), nor a selected region (regions). Tags are read once per search.

#include <cstdint>
#include <span>
#include <vector>

#include "annotation/core/hatch_settings.h"
#include "platform/data/work_area.h"

namespace zv::annot {

// What a selection's patterns are: ids per current area, and the arcs of
// the pattern regions (lines of the region area).
struct PatternEntities {
  std::vector<int32_t> lines, points, regions, regionArcs;
  bool Empty() const { return lines.empty() && points.empty() && regions.empty(); }
};

// `selectedType` is kRegionEntity (region patterns) or kLineEntity (line
// patterns); pool entries of another type are skipped.
PatternEntities FindPatterns(std::span<const ENTITY_MSG> selection, int selectedType, const FillTargets& areas);

// Deletes the regions (then their arcs), lines and points found.
void DeletePatterns(const PatternEntities& found, const FillTargets& areas);

}  // namespace zv::annot
