#pragma once
// GEOS as the reference for the map's hatching tests: the pieces of a
// segment inside a polygon given by its rings (even-odd: a WKT multipolygon
// built by the test), merged where they touch.

#include <geos_c.h>

#include <cmath>
#include <string>
#include <utility>
#include <vector>

#include "include/zavediz/records.h"

namespace zv::annot::test {

using Piece = std::pair<D_DOT, D_DOT>;

class GeosReference {
 public:
  explicit GeosReference(const std::string& wkt) : c_(GEOS_init_r()) {
    GEOSWKTReader* reader = GEOSWKTReader_create_r(c_);
    shape_ = GEOSWKTReader_read_r(c_, reader, wkt.c_str());
    GEOSWKTReader_destroy_r(c_, reader);
    prepared_ = GEOSPrepare_r(c_, shape_);
  }
  ~GeosReference() {
    GEOSPreparedGeom_destroy_r(c_, prepared_);
    GEOSGeom_destroy_r(c_, shape_);
    GEOS_finish_r(c_);
  }
  GeosReference(const GeosReference&) = delete;
  GeosReference& operator=(const GeosReference&) = delete;

  double Area() const {
    double a = 0;
    GEOSArea_r(c_, shape_, &a);
    return a;
  }

  // The area of the intersection with a polygon given as WKT.
  double IntersectionArea(const std::string& wkt) const {
    GEOSWKTReader* reader = GEOSWKTReader_create_r(c_);
    GEOSGeometry* other = GEOSWKTReader_read_r(c_, reader, wkt.c_str());
    GEOSWKTReader_destroy_r(c_, reader);
    GEOSGeometry* both = GEOSIntersection_r(c_, shape_, other);
    double a = 0;
    GEOSArea_r(c_, both, &a);
    GEOSGeom_destroy_r(c_, both);
    GEOSGeom_destroy_r(c_, other);
    return a;
  }

  // Appends the pieces of a-b inside the shape (longer than 1e-9).
  void Clip(const D_DOT& a, const D_DOT& b, std::vector<Piece>* out) const {
    GEOSCoordSequence* seq = GEOSCoordSeq_create_r(c_, 2, 2);
    GEOSCoordSeq_setXY_r(c_, seq, 0, a.x, a.y);
    GEOSCoordSeq_setXY_r(c_, seq, 1, b.x, b.y);
    GEOSGeometry* line = GEOSGeom_createLineString_r(c_, seq);
    if (GEOSPreparedIntersects_r(c_, prepared_, line) == 1) {
      GEOSGeometry* cut = GEOSIntersection_r(c_, shape_, line);
      GEOSGeometry* merged = GEOSLineMerge_r(c_, cut);
      Collect(merged ? merged : cut, out);
      if (merged) GEOSGeom_destroy_r(c_, merged);
      GEOSGeom_destroy_r(c_, cut);
    }
    GEOSGeom_destroy_r(c_, line);
  }

 private:
  void Collect(const GEOSGeometry* g, std::vector<Piece>* out) const {
    const int n = GEOSGetNumGeometries_r(c_, g);
    if (n > 1 || GEOSGeomTypeId_r(c_, g) >= GEOS_MULTIPOINT) {
      for (int i = 0; i < n; ++i) Collect(GEOSGetGeometryN_r(c_, g, i), out);
      return;
    }
    if (GEOSGeomTypeId_r(c_, g) != GEOS_LINESTRING) return;
    const GEOSCoordSequence* seq = GEOSGeom_getCoordSeq_r(c_, g);
    unsigned size = 0;
    GEOSCoordSeq_getSize_r(c_, seq, &size);
    if (size < 2) return;
    Piece p;
    GEOSCoordSeq_getXY_r(c_, seq, 0, &p.first.x, &p.first.y);
    GEOSCoordSeq_getXY_r(c_, seq, size - 1, &p.second.x, &p.second.y);
    if (std::hypot(p.first.x - p.second.x, p.first.y - p.second.y) > 1e-9) out->push_back(p);
  }

  GEOSContextHandle_t c_;
  GEOSGeometry* shape_ = nullptr;
  const GEOSPreparedGeometry* prepared_ = nullptr;
};

}  // namespace zv::annot::test
