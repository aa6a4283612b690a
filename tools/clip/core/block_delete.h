#pragma once
// What a block delete removes, without Qt: the selected entities, every arc
// of the region areas lying wholly in the window, and the arcs of the
// selected regions that no other region shares. An arc that a region
// staying on the map uses is never removed, so no region loses part of its
// boundary (a region reaching out of the window keeps its arcs).

#include <span>
#include <vector>

#include "include/zavediz/records.h"
#include "platform/data/work_area.h"

namespace zv::tools {

std::vector<ENTITY_MSG> BlockDeleteEntries(std::span<const ENTITY_MSG> selected,
                                           const std::vector<WorkAreaHandle>& regionAreas, const D_RECT& window);

// Deletes the entries (lines, points, regions of open areas); how many went.
int DeleteEntries(std::span<const ENTITY_MSG> entries);

}  // namespace zv::tools
