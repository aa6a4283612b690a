#pragma once
// Turning the polygons a region clip computed back into arcs and regions.
//
// Every edge that several result rings run along becomes one arc that
// their regions share, so two regions that shared an arc before the clip
// still share its pieces. Arcs break where three or more rings meet, where
// a source arc ends and where the kind of edge changes: a stretch of a
// source arc keeps that arc's direction, parameters and record; a stretch
// along the outline takes `outlineInfo`. Region arc lists hold the outer
// ring counter-clockwise first, then each hole after a 0.
#include <cstdint>
#include <vector>

#include "platform/data/work_area.h"

namespace zv::topo {

struct ClippedPolygon {
  int32_t region = 0;                         // the source region
  std::vector<std::vector<D_DOT>> rings;      // closed; outer ring first
};

// Appends the arcs and one region per polygon to `target` (a region area),
// each region with its source region's REG_INFO and record. `polygons`
// must hold coordinates that agree exactly where rings meet. The number of
// regions appended.
int32_t AppendClippedRegions(WorkAreaHandle source, WorkAreaHandle target, const std::vector<ClippedPolygon>& polygons,
                             const LIN_INFO& outlineInfo);

}  // namespace zv::topo
