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

// The planar graph of the polygons' rings: its arcs (broken as above; a
// stretch of a source arc keeps that arc's direction and names it as its
// origin, 0 along the outline) and, per polygon, its arc list as signed
// arc indices + 1 with a 0 before each ring (empty when its outer ring
// bounds nothing). `extraArcs` are further lines of `source` that edges may
// run along (a cutting line), named as origins like the regions' arcs.
struct PlanarArc {
  std::vector<D_DOT> vertices;
  int32_t origin = 0;
};
struct PlanarArcs {
  std::vector<PlanarArc> arcs;
  std::vector<std::vector<int32_t>> lists;
};
PlanarArcs BuildPlanarArcs(WorkAreaHandle source, const std::vector<ClippedPolygon>& polygons,
                           const std::vector<int32_t>& extraArcs = {});
// A planar arc list turned into a region's arc list in the form
// BasAppendRegion takes, through the ids given to the planar arcs; false
// when an arc has no id (0) or the list names no arc.
bool MapArcList(const std::vector<int32_t>& planarList, const std::vector<int32_t>& arcIds, std::vector<int32_t>* list);

// Appends the arcs and one region per polygon to `target` (a region area),
// each region with its source region's REG_INFO and record. `polygons`
// must hold coordinates that agree exactly where rings meet. The number of
// regions appended.
int32_t AppendClippedRegions(WorkAreaHandle source, WorkAreaHandle target, const std::vector<ClippedPolygon>& polygons,
                             const LIN_INFO& outlineInfo);

}  // namespace zv::topo
