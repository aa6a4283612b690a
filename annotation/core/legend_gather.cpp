#include "annotation/core/legend_gather.h"

#include <cmath>
#include <vector>

#include "annotation/core/legend_sizes.h"
#include "platform/data/geometry.h"
#include "platform/topology/topology.h"

namespace zv::annot {
namespace {

using ClipFn = int32_t (*)(WorkAreaHandle, WorkAreaHandle, WorkAreaHandle, double, int);
using RectFn = int (*)(WorkAreaHandle, int32_t, D_RECT*);

// How each kind of work area is clipped: the entity type its rectangles are
// taken of, and the clip.
struct SourceKind {
  int areaType;
  int entityType;
  RectFn rect;
  ClipFn clip;
};

constexpr SourceKind kKinds[] = {
    {kLineArea, kLineEntity, &BasGetLineRect, &TopoClipLines},
    {kPointArea, kPointEntity, &BasGetPointRect, &TopoClipPoints},
    {kRegionArea, kRegionEntity, &BasGetRegionRect, &TopoClipRegions},
};

bool Overlaps(const D_RECT& a, const D_RECT& b) {
  return a.xmin <= b.xmax && b.xmin <= a.xmax && a.ymin <= b.ymax && b.ymin <= a.ymax;
}

// The ids of the source whose rectangle meets the box; `all` tells whether
// that is every live entity.
std::vector<int32_t> NearIds(WorkAreaHandle source, const SourceKind& kind, const D_RECT& box, bool* all) {
  int32_t live = 0, bound = 0;
  BasGetEntityCount(source, kind.entityType, &live, &bound);
  std::vector<int32_t> ids;
  for (int32_t id = 1; id < bound; ++id) {
    D_RECT r{};
    if (kind.rect(source, id, &r) && Overlaps(r, box)) ids.push_back(id);
  }
  *all = static_cast<int32_t>(ids.size()) == live;
  return ids;
}

void ScaleSizes(WorkAreaHandle points, double sx, double sy) {
  int32_t live = 0, bound = 0;
  BasGetPointCount(points, &live, &bound);
  for (int32_t id = 1; id < bound; ++id) {
    D_DOT at{};
    std::string text;
    PNT_INFO info;
    if (!BasReadPoint(points, id, &at, &text, &info)) continue;
    ScalePointSizes(info, GatherSizeFields(), sx, sy);
    BasUpdatePoint(points, id, at, text, info);
  }
}

}  // namespace

GatherOutline OutlineAroundPoint(const D_DOT& p) {
  const double l = p.x - kPickHalfWidth, r = p.x + kPickHalfWidth;
  const double t = p.y + kPickHalfHeight, b = p.y - kPickHalfHeight;
  return {D_DOT{l, t}, D_DOT{r, t}, D_DOT{r, b}, D_DOT{l, b}, D_DOT{l, t}};
}

GatherOutline OutlineOfRect(const D_RECT& r) {
  return {D_DOT{r.xmin, r.ymin}, D_DOT{r.xmin, r.ymax}, D_DOT{r.xmax, r.ymax}, D_DOT{r.xmax, r.ymin},
          D_DOT{r.xmin, r.ymin}};
}

GatherOutline OutlineOfDrag(const D_DOT& p1, const D_DOT& p2) {
  return {p1, D_DOT{p2.x, p1.y}, p2, D_DOT{p1.x, p2.y}, p1};
}

bool OutlineHasSize(const GatherOutline& outline) {
  const double w = std::abs(outline[2].x - outline[0].x), h = std::abs(outline[2].y - outline[0].y);
  return std::isfinite(w) && std::isfinite(h) && w > 0 && h > 0 && std::isfinite(kLegendItemWidth / w) &&
         std::isfinite(kLegendItemHeight / h);
}

LegendSample::LegendSample()
    : points_(set_.Create(kPointArea)), lines_(set_.Create(kLineArea)), regions_(set_.Create(kRegionArea)) {}

std::unique_ptr<LegendSample> GatherLegendSample(const GatherOutline& outline,
                                                 std::span<const WorkAreaHandle> sources) {
  if (!OutlineHasSize(outline)) return nullptr;
  auto sample = std::make_unique<LegendSample>();
  ScratchSet scratch;
  const WorkAreaHandle outlineArea = scratch.Create(kLineArea);
  const LIN_INFO outlineInfo = *BasGetDefaultLineParam(0);
  BasAppendLine(outlineArea, outline.data(), static_cast<int32_t>(outline.size()), outlineInfo);
  D_RECT box{};
  BasVerticesRect(outline.data(), static_cast<int32_t>(outline.size()), &box);
  // A point within the tolerance of the outline is still kept by the clip.
  box = {box.xmin - kGatherTolerance, box.ymin - kGatherTolerance, box.xmax + kGatherTolerance,
         box.ymax + kGatherTolerance};

  for (const WorkAreaHandle source : sources) {
    const int type = BasGetWorkAreaType(source);
    for (const SourceKind& kind : kKinds) {
      if (kind.areaType != type) continue;
      bool all = false;
      const std::vector<int32_t> ids = NearIds(source, kind, box, &all);
      if (ids.empty()) break;
      const WorkAreaHandle target = type == kPointArea ? sample->points()
                                    : type == kLineArea ? sample->lines()
                                                        : sample->regions();
      if (all) {
        kind.clip(outlineArea, source, target, kGatherTolerance, kTopoKeepInside);
        break;
      }
      // Only the entities near the outline go to the clip.
      const WorkAreaHandle near = scratch.Create(type);
      BasCopyEntities(source, kind.entityType, ids, near);
      kind.clip(outlineArea, near, target, kGatherTolerance, kTopoKeepInside);
      BasReleaseWorkArea(near);
      break;
    }
  }

  const double cx = (outline[0].x + outline[2].x) / 2, cy = (outline[0].y + outline[2].y) / 2;
  const double sx = kLegendItemWidth / std::abs(outline[2].x - outline[0].x);
  const double sy = kLegendItemHeight / std::abs(outline[2].y - outline[0].y);
  for (const WorkAreaHandle area : {sample->points(), sample->lines(), sample->regions()}) {
    BasTransformWorkArea(area, kTransformMove, -cx, -cy);
    BasTransformWorkArea(area, kTransformScale, sx, sy);
  }
  ScaleSizes(sample->points(), sx, sy);
  return sample;
}

}  // namespace zv::annot
