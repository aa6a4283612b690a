#pragma once
// Lining up legend boxes already drawn in the map: the frames among the
// selected entities, their order along the row or column, and moving each
// frame with everything that lies in it.
//
// A frame is a selected closed line (at least 5 vertices, ends within 1e-5)
// whose area is not more than 2 square units below that of any other
// selected line of at least 5 vertices. Each line is read once, so a large
// selection is not compared pair by pair.

#include <cstdint>
#include <span>
#include <vector>

#include "platform/data/work_area.h"
#include "platform/view/gis_undo.h"
#include "platform/view/selection_pool.h"

namespace zv::annot {

// Pool positions of the frames, in pool order.
std::vector<int32_t> FindLegendFrames(std::span<const ENTITY_MSG> pool);

// Orders the frames by the centres of their rectangles, stably: left to
// right (horizontal), or top to bottom. The reference point: the first
// centre along the row (column), across it the centre of the frame that came
// last before sorting.
D_DOT SortLegendFrames(std::span<const ENTITY_MSG> pool, std::vector<int32_t>& frames, bool horizontal);

// True when every frame's place, the reference plus k × spacing for each of
// the frameCount frames, and its distance from the reference are finite: a
// spacing near the largest double would move the later frames to infinity.
bool LegendSpacingFits(const D_DOT& reference, std::size_t frameCount, double spacing, bool horizontal);

// Adds the arcs of the selected regions to the pool and records the pool
// for undo (also when nothing then moves); then frame k moves to the
// reference point plus k × spacing along the row (x) or down the column
// (−y), carrying every selected point, line of a line area and region that
// lies in its rectangle widened by 1.0 on every side. Each entity moves at
// most once; an arc shared by two moved regions moves once. What lies in a
// frame is decided before any of it moves. The number of entities moved.
int MoveLegendFrames(SelectionPool& pool, GisUndo& undo, const std::vector<int32_t>& frames, const D_DOT& reference,
                     double spacing, bool horizontal);

}  // namespace zv::annot
