#pragma once
// A GEOS context for one clipping call, and geometries owned through it.
// Each call makes its own context, so calls never share GEOS state.
#define GEOS_USE_ONLY_R_API
#include <geos_c.h>

#include <memory>
#include <vector>

#include "include/zavediz/records.h"

namespace zv::topo {

class GeosContext {
 public:
  GeosContext();
  ~GeosContext();
  GeosContext(const GeosContext&) = delete;
  GeosContext& operator=(const GeosContext&) = delete;
  GEOSContextHandle_t get() const { return handle_; }

 private:
  GEOSContextHandle_t handle_;
};

struct GeomDeleter {
  GEOSContextHandle_t context;
  void operator()(GEOSGeometry* g) const { GEOSGeom_destroy_r(context, g); }
};
using Geom = std::unique_ptr<GEOSGeometry, GeomDeleter>;

inline Geom Own(const GeosContext& c, GEOSGeometry* g) { return Geom(g, GeomDeleter{c.get()}); }

// A closed linear ring through the vertices (closed when the last differs
// from the first); null with fewer than three distinct vertices.
GEOSGeometry* MakeRing(const GeosContext& c, const std::vector<D_DOT>& vertices);
// A polygon with the first ring as its shell and the others as holes, made
// valid when it is not; null when the shell bounds nothing.
Geom MakePolygon(const GeosContext& c, const std::vector<std::vector<D_DOT>>& rings);
// The vertices of a ring or line, in their order.
std::vector<D_DOT> Vertices(const GeosContext& c, const GEOSGeometry* lineOrRing);
// The rings of a polygon as closed vertex lists: the shell counter-clockwise
// first, then the holes clockwise.
std::vector<std::vector<D_DOT>> PolygonRings(const GeosContext& c, const GEOSGeometry* polygon);
// The polygons of a geometry (a polygon, a multi-polygon or a collection);
// parts of lower dimension are skipped. Borrowed from `g`.
void CollectPolygons(const GeosContext& c, const GEOSGeometry* g, std::vector<const GEOSGeometry*>* out);

}  // namespace zv::topo
