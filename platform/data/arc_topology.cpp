// Which regions lie left and right of each arc, from the regions' arc lists.
#include <cstdlib>

#include "platform/data/geometry.h"
#include "platform/data/work_area_store.h"

namespace zv {

using detail::FindArea;
using detail::WorkArea;

namespace {

// Records, for every arc of the region, on which side of the arc's own
// direction the region lies. A ring drawn counter-clockwise has its inside
// on the left; the region is inside its first ring and outside the others.
void AddRegionSides(const WorkArea& area, int32_t region, std::vector<ArcSides>& sides) {
  const auto rings = detail::BuildRingsWithArcs(area, area.regions.slots[static_cast<std::size_t>(region)].arcs);
  for (std::size_t r = 0; r < rings.size(); ++r) {
    const auto& ring = rings[r];
    const bool counterClockwise = BasPolygonArea(ring.vertices.data(), static_cast<int32_t>(ring.vertices.size())) > 0;
    const bool regionLeftOfRing = (r == 0) == counterClockwise;
    for (int32_t arc : ring.arcs) {
      const auto index = static_cast<std::size_t>(std::abs(arc));
      if (index >= sides.size()) continue;
      const bool left = regionLeftOfRing != (arc < 0);
      int32_t& side = left ? sides[index].left : sides[index].right;
      if (side == 0) side = region;
    }
  }
}

}  // namespace

std::vector<ArcSides> BasComputeArcTopology(WorkAreaHandle handle) {
  WorkArea* area = FindArea(handle);
  if (!area || !area->HoldsRegions()) return {};
  std::vector<ArcSides> sides(static_cast<std::size_t>(area->lines.bound()));
  for (int32_t id = 1; id < area->regions.bound(); ++id) {
    if (area->regions.IsLive(id)) AddRegionSides(*area, id, sides);
  }
  return sides;
}

int BasReadArcTopology(WorkAreaHandle handle, int32_t arc, int32_t* left, int32_t* right) {
  WorkArea* area = FindArea(handle);
  if (!area || !area->HoldsRegions() || !area->lines.IsLive(arc)) return 0;
  std::vector<ArcSides> sides(static_cast<std::size_t>(arc) + 1);
  for (int32_t region : detail::RegionsUsingArc(*area, arc)) AddRegionSides(*area, region, sides);
  if (left) *left = sides[static_cast<std::size_t>(arc)].left;
  if (right) *right = sides[static_cast<std::size_t>(arc)].right;
  return 1;
}

std::vector<int32_t> BasGetRegionsUsingArc(WorkAreaHandle handle, int32_t arc) {
  const WorkArea* area = FindArea(handle);
  if (!area || !area->HoldsRegions() || arc <= 0) return {};
  return detail::RegionsUsingArc(*area, arc);
}

int BasCountRegionRings(WorkAreaHandle handle, int32_t id) {
  std::vector<std::vector<D_DOT>> rings;
  return BasGetRegionRings(handle, id, &rings) ? static_cast<int>(rings.size()) : -1;
}

}  // namespace zv
