#pragma once
// Snapping onto source vertices. A clip places an outline vertex, or a
// crossing it computes, that lies within the clip's tolerance of a source
// vertex on that vertex, so a source vertex the outline nearly meets stays
// one vertex instead of gaining a sliver or a spike beside it; everything
// else keeps its coordinates exactly.
#include <vector>

#include "platform/data/work_area.h"

namespace zv::topo {

// Vertices ordered by x, then y: for sorted vertex lists searched exactly.
inline bool XYOrder(const D_DOT& a, const D_DOT& b) { return a.x < b.x || (a.x == b.x && a.y < b.y); }

// Each vertex of `lines` within `tolerance` of a vertex of a line of
// `source` (the lines of a line area, the arcs of a region area) moved onto
// the nearest such vertex.
void SnapToSourceVertices(WorkAreaHandle source, double tolerance, std::vector<std::vector<D_DOT>>* lines);

// The nearest of `candidates` within `tolerance` of `p`, else `p`.
D_DOT SnapToNearest(const D_DOT& p, const std::vector<D_DOT>& candidates, double tolerance);

}  // namespace zv::topo
