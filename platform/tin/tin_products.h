#pragma once
// Writing what is made from a TIN into work areas: contour lines with their
// level, and regions (one closed arc per ring).
//
// Every function appends only; it returns the ids it appended, so that the
// caller can record them for undo.
#include <cstdint>
#include <vector>

#include "platform/data/work_area.h"
#include "platform/tin/tin_bands.h"
#include "platform/tin/tin_contours.h"

namespace zv::tin {

// Each line with `info` and its level in the double field "高程", which the
// area's line structure gains when it lacks a field of that name.
std::vector<int32_t> AppendContourLines(WorkAreaHandle lines, const std::vector<ContourLine>& contours,
                                        const LIN_INFO& info);

struct AppendedRegions {
  std::vector<int32_t> arcs;     // line entities of the region area
  std::vector<int32_t> regions;  // region entities
};

// One region of rings (shell first, then holes, each closed) into a region
// area: its arcs take `arcInfo`, the region `fill`. Appends nothing for a
// shell of fewer than three distinct points.
void AppendRingRegion(WorkAreaHandle regions, const std::vector<std::vector<D_DOT>>& rings, const LIN_INFO& arcInfo,
                      const REG_INFO& fill, AppendedRegions& appended);

// Each band face as a region filled with its band's colour (BandColour).
AppendedRegions AppendBandRegions(WorkAreaHandle regions, const std::vector<BandFace>& faces, const LIN_INFO& arcInfo,
                                  const REG_INFO& fill, int colourCount);

}  // namespace zv::tin
