#include "platform/topology/geos_handle.h"

#include <algorithm>
#include <cmath>

#include "platform/data/geometry.h"

namespace zv::topo {
namespace {

void Quiet(const char*, void*) {}

bool Same(const D_DOT& a, const D_DOT& b) { return a.x == b.x && a.y == b.y; }

}  // namespace

GeosContext::GeosContext() : handle_(GEOS_init_r()) {
  GEOSContext_setNoticeMessageHandler_r(handle_, Quiet, nullptr);
  GEOSContext_setErrorMessageHandler_r(handle_, Quiet, nullptr);
}

GeosContext::~GeosContext() { GEOS_finish_r(handle_); }

GEOSGeometry* MakeRing(const GeosContext& c, const std::vector<D_DOT>& vertices) {
  std::vector<D_DOT> pts;
  pts.reserve(vertices.size() + 1);
  for (const D_DOT& p : vertices) {
    if (!std::isfinite(p.x) || !std::isfinite(p.y)) return nullptr;
    if (pts.empty() || !Same(pts.back(), p)) pts.push_back(p);
  }
  if (pts.size() > 1 && Same(pts.front(), pts.back())) pts.pop_back();
  if (pts.size() < 3) return nullptr;
  pts.push_back(pts.front());
  GEOSCoordSequence* seq = GEOSCoordSeq_create_r(c.get(), static_cast<unsigned>(pts.size()), 2);
  if (!seq) return nullptr;
  for (unsigned i = 0; i < pts.size(); ++i) GEOSCoordSeq_setXY_r(c.get(), seq, i, pts[i].x, pts[i].y);
  return GEOSGeom_createLinearRing_r(c.get(), seq);  // takes the sequence, even on failure
}

Geom MakePolygon(const GeosContext& c, const std::vector<std::vector<D_DOT>>& rings) {
  if (rings.empty()) return Own(c, nullptr);
  GEOSGeometry* shell = MakeRing(c, rings[0]);
  if (!shell) return Own(c, nullptr);
  std::vector<GEOSGeometry*> holes;
  for (std::size_t i = 1; i < rings.size(); ++i) {
    if (GEOSGeometry* hole = MakeRing(c, rings[i])) holes.push_back(hole);
  }
  Geom polygon = Own(c, GEOSGeom_createPolygon_r(c.get(), shell, holes.data(), static_cast<unsigned>(holes.size())));
  if (!polygon) return polygon;
  if (GEOSisValid_r(c.get(), polygon.get()) != 1) polygon = Own(c, GEOSMakeValid_r(c.get(), polygon.get()));
  return polygon;
}

std::vector<D_DOT> Vertices(const GeosContext& c, const GEOSGeometry* lineOrRing) {
  std::vector<D_DOT> out;
  const GEOSCoordSequence* seq = GEOSGeom_getCoordSeq_r(c.get(), lineOrRing);
  unsigned size = 0;
  if (!seq || !GEOSCoordSeq_getSize_r(c.get(), seq, &size)) return out;
  out.resize(size);
  for (unsigned i = 0; i < size; ++i) GEOSCoordSeq_getXY_r(c.get(), seq, i, &out[i].x, &out[i].y);
  return out;
}

namespace {

std::vector<D_DOT> OrientedRing(const GeosContext& c, const GEOSGeometry* ring, bool counterClockwise) {
  std::vector<D_DOT> v = Vertices(c, ring);
  if ((BasPolygonArea(v.data(), static_cast<int32_t>(v.size())) > 0) != counterClockwise) std::reverse(v.begin(), v.end());
  return v;
}

}  // namespace

std::vector<std::vector<D_DOT>> PolygonRings(const GeosContext& c, const GEOSGeometry* polygon) {
  std::vector<std::vector<D_DOT>> rings{OrientedRing(c, GEOSGetExteriorRing_r(c.get(), polygon), true)};
  const int holes = GEOSGetNumInteriorRings_r(c.get(), polygon);
  for (int h = 0; h < holes; ++h) rings.push_back(OrientedRing(c, GEOSGetInteriorRingN_r(c.get(), polygon, h), false));
  return rings;
}

void CollectPolygons(const GeosContext& c, const GEOSGeometry* g, std::vector<const GEOSGeometry*>* out) {
  if (!g) return;
  const int type = GEOSGeomTypeId_r(c.get(), g);
  if (type == GEOS_POLYGON) {
    if (GEOSisEmpty_r(c.get(), g) == 0) out->push_back(g);
    return;
  }
  if (type == GEOS_MULTIPOLYGON || type == GEOS_GEOMETRYCOLLECTION) {
    const int n = GEOSGetNumGeometries_r(c.get(), g);
    for (int i = 0; i < n; ++i) CollectPolygons(c, GEOSGetGeometryN_r(c.get(), g, i), out);
  }
}

}  // namespace zv::topo
