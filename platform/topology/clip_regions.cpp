// Regions are intersected with the outline (or less it) through GEOS and rebuilt from the
// rings of the result: one closed arc per ring. Arcs of no region are cut as
// lines are.
#include <cstdlib>
#include <set>

#include "platform/data/geometry.h"
#include "platform/topology/clip_copy.h"
#include "platform/topology/clip_outline.h"
#include "platform/topology/topology.h"

namespace zv {
namespace {

// The source region's first arc, whose parameters and attributes the new
// arcs take; 0 when it has none that reads.
int32_t FirstArc(const std::vector<int32_t>& arcs, WorkAreaHandle area) {
  for (std::size_t i = 1; i < arcs.size(); ++i) {
    if (arcs[i] != 0 && BasIsEntityLive(area, kLineEntity, std::abs(arcs[i]))) return std::abs(arcs[i]);
  }
  return 0;
}

}  // namespace

int32_t TopoClipRegions(WorkAreaHandle outline, WorkAreaHandle source, WorkAreaHandle target, double tolerance,
                        int mode) {
  const int32_t regions = topo::ClipEach(
      outline, source, target, tolerance, mode, kRegionArea, kRegionEntity,
      [&](const topo::GeosContext& c, const topo::ClipOutline& shape, int32_t id) -> int32_t {
        // A region off the outline's box has nothing inside it.
        D_RECT box;
        if (shape.keepInside() && BasGetRegionRect(source, id, &box) && !shape.MayCover(box, 0.0)) return 0;
        std::vector<int32_t> arcs;
        std::vector<std::vector<D_DOT>> rings;
        REG_INFO info;
        if (!BasReadRegion(source, id, &arcs, &info) || !BasGetRegionRings(source, id, &rings)) return 0;
        topo::Geom polygon = topo::MakePolygon(c, rings);
        if (!polygon) return 0;
        topo::Geom clipped =
            topo::Own(c, shape.keepInside() ? GEOSIntersection_r(c.get(), polygon.get(), shape.shape())
                                            : GEOSDifference_r(c.get(), polygon.get(), shape.shape()));
        if (!clipped) return 0;
        std::vector<const GEOSGeometry*> parts;
        topo::CollectPolygons(c, clipped.get(), &parts);
        const int32_t arcSource = FirstArc(arcs, source);
        LIN_INFO arcInfo = *BasGetDefaultLineParam();
        if (arcSource != 0) BasReadLineParam(source, arcSource, &arcInfo);
        int32_t appended = 0;
        for (const GEOSGeometry* part : parts) {
          double area = 0;
          if (GEOSArea_r(c.get(), part, &area) != 1 || area <= 0 || area < tolerance * tolerance) continue;
          const std::vector<std::vector<D_DOT>> newRings = topo::PolygonRings(c, part);
          std::vector<int32_t> list{0};
          for (const std::vector<D_DOT>& ring : newRings) {
            const int32_t arc = BasAppendLine(target, ring, arcInfo);
            if (arc == 0) continue;
            if (arcSource != 0) topo::CopyAttribute(source, kLineEntity, arcSource, target, arc);
            if (list.size() > 1) list.push_back(0);
            list.push_back(arc);
          }
          if (list.size() < 2) continue;
          const int32_t added = BasAppendRegion(target, list, info);
          if (added == 0) continue;
          topo::CopyAttribute(source, kRegionEntity, id, target, added);
          ++appended;
        }
        return appended;
      });
  if (regions < 0) return regions;
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
