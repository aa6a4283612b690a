#include "platform/topology/clip_outline.h"

#include <algorithm>
#include <cmath>

#include "platform/data/geometry.h"
#include "platform/topology/clip_copy.h"
#include "platform/topology/clip_snap.h"
#include "platform/topology/topology.h"

namespace zv::topo {
namespace {

// Outlines of at most this many edges are tested without GEOS.
constexpr std::size_t kDirectEdges = 32;

void AddRingEdges(const GeosContext& c, const GEOSGeometry* ring, std::vector<Edge>* edges) {
  const std::vector<D_DOT> v = Vertices(c, ring);
  for (std::size_t i = 1; i < v.size(); ++i) {
    const D_DOT& a = v[i - 1];
    const D_DOT& b = v[i];
    edges->push_back({a, b, std::min(a.x, b.x), std::min(a.y, b.y), std::max(a.x, b.x), std::max(a.y, b.y)});
  }
}

std::vector<std::vector<D_DOT>> OutlineLines(WorkAreaHandle outline) {
  std::vector<std::vector<D_DOT>> lines;
  int32_t live = 0, bound = 0;
  BasGetLineCount(outline, &live, &bound);
  std::vector<D_DOT> vertices;
  for (int32_t id = 1; id < bound; ++id)
    if (BasReadLine(outline, id, &vertices, nullptr)) lines.push_back(vertices);
  return lines;
}

}  // namespace

int32_t ClipEach(WorkAreaHandle outline, WorkAreaHandle source, WorkAreaHandle target, double tolerance, int mode,
                 int areaType, int entityType, const ClipOne& clip) {
  const bool valid = (mode == kTopoKeepInside || mode == kTopoKeepOutside) && tolerance >= 0 && std::isfinite(tolerance) &&
                     BasGetWorkAreaType(outline) == kLineArea && BasGetWorkAreaType(source) == areaType &&
                     BasGetWorkAreaType(target) == areaType;
  if (!valid) return -1;
  GeosContext context;
  std::vector<std::vector<D_DOT>> lines = OutlineLines(outline);
  if (entityType != kPointEntity) SnapToSourceVertices(source, tolerance, &lines);
  const std::optional<ClipOutline> shape = ClipOutline::FromLines(context, lines, mode == kTopoKeepInside);
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

std::optional<ClipOutline> ClipOutline::FromLines(const GeosContext& c, const std::vector<std::vector<D_DOT>>& lines,
                                                  bool keepInside) {
  // Even-odd over the lines: each one's polygon toggles what it covers.
  Geom shape;
  for (const std::vector<D_DOT>& vertices : lines) {
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
  if (edges_.empty()) return;
  for (const Edge& e : edges_) vertices_.push_back(e.a);
  std::sort(vertices_.begin(), vertices_.end(), XYOrder);
  envelope_ = {edges_[0].minX, edges_[0].minY, edges_[0].maxX, edges_[0].maxY};
  for (const Edge& e : edges_) {
    envelope_.xmin = std::min(envelope_.xmin, e.minX);
    envelope_.ymin = std::min(envelope_.ymin, e.minY);
    envelope_.xmax = std::max(envelope_.xmax, e.maxX);
    envelope_.ymax = std::max(envelope_.ymax, e.maxY);
  }
}

ClipOutline::ClipOutline(ClipOutline&& other) noexcept
    : context_(other.context_), shape_(std::move(other.shape_)), prepared_(other.prepared_),
      edges_(std::move(other.edges_)), vertices_(std::move(other.vertices_)), envelope_(other.envelope_), keepInside_(other.keepInside_) {
  other.prepared_ = nullptr;
}

ClipOutline::~ClipOutline() {
  if (prepared_) GEOSPreparedGeom_destroy_r(context_->get(), prepared_);
}

bool ClipOutline::IsVertex(const D_DOT& p) const { return std::binary_search(vertices_.begin(), vertices_.end(), p, XYOrder); }

bool ClipOutline::MayCover(const D_RECT& box, double tolerance) const {
  return box.xmax >= envelope_.xmin - tolerance && box.xmin <= envelope_.xmax + tolerance &&
         box.ymax >= envelope_.ymin - tolerance && box.ymin <= envelope_.ymax + tolerance;
}

bool ClipOutline::Meets(const GEOSGeometry* g) const {
  return GEOSPreparedIntersects_r(context_->get(), prepared_, g) != 0;
}

bool ClipOutline::Covers(const D_DOT& p, double tolerance) const {
  if (!MayCover({p.x, p.y, p.x, p.y}, std::max(tolerance, 0.0))) return false;
  // A few edges are read directly: near an edge (on it included), else
  // inside by the even-odd count of the edges a ray to +x crosses. Asking
  // GEOS for a distance costs far more for such an outline.
  if (edges_.size() <= kDirectEdges) {
    bool inside = false;
    for (const Edge& e : edges_) {
      if (BasPointToSegmentDistance(p, e.a, e.b) <= std::max(tolerance, 0.0)) return true;
      if ((e.a.y > p.y) != (e.b.y > p.y) && p.x < (e.b.x - e.a.x) * (p.y - e.a.y) / (e.b.y - e.a.y) + e.a.x)
        inside = !inside;
    }
    return inside;
  }
  Geom point = Own(*context_, GEOSGeom_createPointFromXY_r(context_->get(), p.x, p.y));
  if (!point) return false;
  if (GEOSPreparedIntersects_r(context_->get(), prepared_, point.get()) == 1) return true;
  if (tolerance <= 0) return false;
  double distance = 0;
  return GEOSPreparedDistance_r(context_->get(), prepared_, point.get(), &distance) == 1 && distance <= tolerance;
}

}  // namespace zv::topo
