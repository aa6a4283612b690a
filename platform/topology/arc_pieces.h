#pragma once
// Replacing one arc (or line) of a work area by the pieces it was cut into,
// told through the caller's report, shared by the in-place calls.
#include <cstdint>
#include <vector>

#include "platform/topology/topology.h"

namespace zv::topo {

// The first piece rewrites `arc` with `info`, the others are appended with
// `info` and the arc's record; with `updateRegions` every region using the
// arc lists the pieces in its place (reversed and negated for a negative
// entry). The ids of the pieces in order; empty when a write fails.
std::vector<int32_t> ReplaceArcByPieces(WorkAreaHandle area, int32_t arc, const std::vector<std::vector<D_DOT>>& pieces,
                                        const LIN_INFO& info, bool updateRegions, const TopoReport& report);

// A region's new arc list, told first.
void SetRegionArcs(WorkAreaHandle area, int32_t region, const std::vector<int32_t>& arcs, const REG_INFO& info,
                   const TopoReport& report);
// A new region, told after; its id, 0 on failure.
int32_t AppendRegionArcs(WorkAreaHandle area, const std::vector<int32_t>& arcs, const REG_INFO& info,
                         const TopoReport& report);

// Tells the report, when there is one.
inline void Tell(const TopoReport& report, int entityType, int32_t id, TopoEvent event) {
  if (report) report(entityType, id, event);
}

}  // namespace zv::topo
