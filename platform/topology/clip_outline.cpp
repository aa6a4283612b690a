#include "platform/topology/clip_outline.h"

#include <algorithm>
#include <cmath>

#include "platform/topology/clip_copy.h"
#include "platform/topology/topology.h"

namespace zv::topo {
namespace {

void AddRingEdges(const GeosContext& c, const GEOSGeometry* ring, std::vector<Edge>* edges) {
  const std::vector<D_DOT> v = Vertices(c, ring);
  for (std::size_t i = 1; i < v.size(); ++i) {
    const D_DOT& a = v[i - 1];
    const D_DOT& b = v[i];
    edges->push_back({a, b, std::min(a.x, b.x), std::min(a.y, b.y), std::max(a.x, b.x), std::max(a.y, b.y)});
  }
}

}  // namespace

int32_t ClipEach(WorkAreaHandle outline, WorkAreaHandle source, WorkAreaHandle target, double tolerance, int mode,
                 int areaType, int entityType, const ClipOne& clip) {
  const bool valid = (mode == kTopoKeepInside || mode == kTopoKeepOutside) && tolerance >= 0 && std::isfinite(tolerance) &&
                     BasGetWorkAreaType(outline) == kLineArea && BasGetWorkAreaType(source) == areaType &&
                     BasGetWorkAreaType(target) == areaType;
  if (!valid) return -1;
  GeosContext context;
  const std::optional<ClipOutline> shape = ClipOutline::FromArea(context, outline, mode == kTopoKeepInside);
  if (!shape) return -1;
  MergeStructure(source, target, entityType);
  if (entityType == kRegionEntity) MergeStructure(source, target, kLineEntity);  // the arcs
  int32_t live = 0, bound = 0;
  BasGetEntityCount(source, entityType, &live, &bound);
  int32_t appended = 0;
  BasBeginBatch(target);
  for (int32_t id = 1; id < bound; ++id) appended += clip(context, *shape, id);
  BasEndBatch(target);
  return appended;
}

std::optional<ClipOutline> ClipOutline::FromArea(const GeosContext& c, WorkAreaHandle outline, bool keepInside) {
  if (BasGetWorkAreaType(outline) != kLineArea) return std::nullopt;
  int32_t live = 0, bound = 0;
  BasGetLineCount(outline, &live, &bound);
  // Even-odd over the lines: each one's polygon toggles what it covers.
  Geom shape;
  std::vector<D_DOT> vertices;
  for (int32_t id = 1; id < bound; ++id) {
    if (!BasReadLine(outline, id, &vertices, nullptr)) continue;
    Geom polygon = MakePolygon(c, {vertices});
    if (!polygon || GEOSisEmpty_r(c.get(), polygon.get()) != 0) continue;
    shape = shape ? Own(c, GEOSSymDifference_r(c.get(), shape.get(), polygon.get())) : std::move(polygon);
    if (!shape) return std::nullopt;
  }
  if (!shape || GEOSisEmpty_r(c.get(), shape.get()) != 0) return std::nullopt;
  return ClipOutline(c, std::move(shape), keepInside);
}

ClipOutline::ClipOutline(const GeosContext& c, Geom shape, bool keepInside)
    : context_(&c), shape_(std::move(shape)), keepInside_(keepInside) {
  prepared_ = GEOSPrepare_r(c.get(), shape_.get());
  std::vector<const GEOSGeometry*> polygons;
  CollectPolygons(c, shape_.get(), &polygons);
  for (const GEOSGeometry* polygon : polygons) {
    AddRingEdges(c, GEOSGetExteriorRing_r(c.get(), polygon), &edges_);
    const int holes = GEOSGetNumInteriorRings_r(c.get(), polygon);
    for (int i = 0; i < holes; ++i) AddRingEdges(c, GEOSGetInteriorRingN_r(c.get(), polygon, i), &edges_);
  }
}

ClipOutline::ClipOutline(ClipOutline&& other) noexcept
    : context_(other.context_), shape_(std::move(other.shape_)), prepared_(other.prepared_),
      edges_(std::move(other.edges_)), keepInside_(other.keepInside_) {
  other.prepared_ = nullptr;
}

ClipOutline::~ClipOutline() {
  if (prepared_) GEOSPreparedGeom_destroy_r(context_->get(), prepared_);
}

bool ClipOutline::Covers(const D_DOT& p, double tolerance) const {
  Geom point = Own(*context_, GEOSGeom_createPointFromXY_r(context_->get(), p.x, p.y));
  if (!point) return false;
  if (GEOSPreparedIntersects_r(context_->get(), prepared_, point.get()) == 1) return true;
  if (tolerance <= 0) return false;
  double distance = 0;
  return GEOSPreparedDistance_r(context_->get(), prepared_, point.get(), &distance) == 1 && distance <= tolerance;
}

}  // namespace zv::topo
