// Regions are intersected with the outline (or less it) through GEOS; the
// rings of all results are then turned back into arcs together, so that
// regions that shared an arc share its pieces. Arcs of no region are cut as
// lines are.
#include <algorithm>
#include <cstdlib>
#include <set>

#include "platform/data/geometry.h"
#include "platform/topology/clip_arcs.h"
#include "platform/topology/clip_copy.h"
#include "platform/topology/clip_outline.h"
#include "platform/topology/clip_snap.h"
#include "platform/topology/topology.h"

namespace zv {
namespace {

// The parameters of the outline's first line, which new arcs along the
// outline take.
LIN_INFO OutlineInfo(WorkAreaHandle outline) {
  int32_t live = 0, bound = 0;
  BasGetLineCount(outline, &live, &bound);
  LIN_INFO info = *BasGetDefaultLineParam();
  for (int32_t id = 1; id < bound; ++id)
    if (BasReadLineParam(outline, id, &info)) break;
  return info;
}

// The polygons of one region on the kept side, as closed rings; a crossing
// GEOS computed within `tolerance` of one of the region's vertices is put on
// that vertex.
void ClipRegion(const topo::GeosContext& c, const topo::ClipOutline& shape, WorkAreaHandle source, int32_t id,
                double tolerance, std::vector<topo::ClippedPolygon>* out) {
  // A region off the outline's box has nothing inside it.
  D_RECT box;
  if (shape.keepInside() && BasGetRegionRect(source, id, &box) && !shape.MayCover(box, 0.0)) return;
  std::vector<std::vector<D_DOT>> rings;
  if (!BasGetRegionRings(source, id, &rings)) return;
  topo::Geom polygon = topo::MakePolygon(c, rings);
  if (!polygon) return;
  // A region in the outline's box but clear of its area (a tile beyond a
  // round outline's edge) needs no overlay with every outline edge.
  if (shape.keepInside() && !shape.Meets(polygon.get())) return;
  topo::Geom clipped = topo::Own(c, shape.keepInside() ? GEOSIntersection_r(c.get(), polygon.get(), shape.shape())
                                                       : GEOSDifference_r(c.get(), polygon.get(), shape.shape()));
  if (!clipped) return;
  std::vector<D_DOT> own;
  for (const std::vector<D_DOT>& ring : rings) own.insert(own.end(), ring.begin(), ring.end());
  std::sort(own.begin(), own.end(), topo::XYOrder);
  std::vector<const GEOSGeometry*> parts;
  topo::CollectPolygons(c, clipped.get(), &parts);
  for (const GEOSGeometry* part : parts) {
    double area = 0;
    if (GEOSArea_r(c.get(), part, &area) != 1 || area <= 0 || area < tolerance * tolerance) continue;
    topo::ClippedPolygon result{id, topo::PolygonRings(c, part)};
    for (std::vector<D_DOT>& ring : result.rings)
      for (D_DOT& v : ring)
        if (!std::binary_search(own.begin(), own.end(), v, topo::XYOrder) && !shape.IsVertex(v))
          v = topo::SnapToNearest(v, own, tolerance);
    out->push_back(std::move(result));
  }
}

}  // namespace

int32_t TopoClipRegions(WorkAreaHandle outline, WorkAreaHandle source, WorkAreaHandle target, double tolerance,
                        int mode) {
  std::vector<topo::ClippedPolygon> polygons;
  const int32_t checked = topo::ClipEach(
      outline, source, target, tolerance, mode, kRegionArea, kRegionEntity,
      [&](const topo::GeosContext& c, const topo::ClipOutline& shape, int32_t id) -> int32_t {
        ClipRegion(c, shape, source, id, tolerance, &polygons);
        return 0;
      });
  if (checked < 0) return checked;
  BasBeginBatch(target);
  const int32_t regions = topo::AppendClippedRegions(source, target, polygons, OutlineInfo(outline));
  BasEndBatch(target);
  // Arcs no region uses are the area's own lines: clipped like lines, kept.
  std::set<int32_t> used;
  int32_t live = 0, bound = 0;
  BasGetRegionCount(source, &live, &bound);
  std::vector<int32_t> arcs;
  for (int32_t id = 1; id < bound; ++id)
    if (BasReadRegion(source, id, &arcs, nullptr))
      for (std::size_t i = 1; i < arcs.size(); ++i) used.insert(std::abs(arcs[i]));
  topo::ClipEach(outline, source, target, tolerance, mode, kRegionArea, kLineEntity,
                 [&](const topo::GeosContext&, const topo::ClipOutline& shape, int32_t id) {
                   return used.count(id) != 0 ? 0 : topo::ClipOneLine(shape, source, id, target, tolerance);
                 });
  return regions;
}

}  // namespace zv
