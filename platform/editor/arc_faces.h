#pragma once
// The region a click makes from the arcs of a region area: the smallest
// ring of arcs round the click, found by walking the faces of the planar
// graph the arcs form (arcs meet where their ends coincide, within a
// millionth of a unit per unit of the arcs' extent). A ring may be one closed
// arc or a chain of open arcs meeting end to end; arcs hanging loose are
// ignored.
//
// Holes: the outlines of groups of arcs that lie inside the ring, not round
// the click and not inside another such outline; and islands tied to the
// ring by a single arc.

#include <cstdint>
#include <vector>

#include "include/zavediz/records.h"

namespace zv::editor {

struct ArcPath {
  int32_t id = 0;
  std::vector<D_DOT> vertices;
};

// The region's arc list in the form BasAppendRegion takes: entry 0 (left 0),
// the outer ring counter-clockwise, then each hole after a 0, clockwise;
// arcs traversed backwards are negative. Empty when no ring encloses p.
std::vector<int32_t> RegionArcsAround(const std::vector<ArcPath>& arcs, const D_DOT& p);

}  // namespace zv::editor
