#pragma once
// The outline of a clipping call: the polygons its lines bound, taken
// together by the even-odd rule (a ring inside another is a hole), prepared
// for many inside tests, with its boundary edges for cutting lines.
#include <functional>
#include <optional>
#include <vector>

#include "platform/data/work_area.h"
#include "platform/topology/geos_handle.h"

namespace zv::topo {

struct Edge {
  D_DOT a, b;
  double minX, minY, maxX, maxY;
};

class ClipOutline {
 public:
  // From the vertex lists of the outline's lines; empty when they bound
  // nothing. `keepInside` tells which side Keeps means.
  static std::optional<ClipOutline> FromLines(const GeosContext& c, const std::vector<std::vector<D_DOT>>& lines,
                                              bool keepInside);
  ~ClipOutline();
  ClipOutline(ClipOutline&& other) noexcept;
  ClipOutline(const ClipOutline&) = delete;
  ClipOutline& operator=(const ClipOutline&) = delete;
  ClipOutline& operator=(ClipOutline&&) = delete;

  const GEOSGeometry* shape() const { return shape_.get(); }
  // Inside, on the outline, or within `tolerance` of it. A point farther
  // than `tolerance` from the outline's bounding box is answered without
  // asking GEOS, so content far from a small outline costs little.
  bool Covers(const D_DOT& p, double tolerance) const;
  // False when nothing in `box` can be covered: the box lies farther than
  // `tolerance` from the outline's bounding box.
  bool MayCover(const D_RECT& box, double tolerance) const;
  // Whether `g` has any point in common with the outline's area, asked of
  // the prepared outline: far cheaper than an overlay that comes out empty.
  bool Meets(const GEOSGeometry* g) const;
  // Whether a point belongs to the side kept: Covers for inside, its
  // negation for outside, so every point falls on exactly one side.
  bool Keeps(const D_DOT& p, double tolerance) const { return Covers(p, tolerance) == keepInside_; }
  bool keepInside() const { return keepInside_; }
  const std::vector<Edge>& edges() const { return edges_; }
  // Whether `p` is exactly a vertex of the outline's boundary.
  bool IsVertex(const D_DOT& p) const;

 private:
  ClipOutline(const GeosContext& c, Geom shape, bool keepInside);
  const GeosContext* context_;
  Geom shape_;
  const GEOSPreparedGeometry* prepared_ = nullptr;
  std::vector<Edge> edges_;
  std::vector<D_DOT> vertices_;  // of the edges, sorted by x then y
  D_RECT envelope_{};  // of the edges
  bool keepInside_ = true;
};

// What every clipping call shares: the checks (handles valid, the outline
// a line area, source and target of `areaType`, the mode built, the
// tolerance not negative), the outline (its vertices snapped onto the
// source's line vertices within `tolerance`, except for points), the target's structures gaining the
// source's fields, and one batch over the source's live ids of
// `entityType`. `clip` appends the results of one entity and returns how
// many. The total appended, −1 when a check fails or the outline bounds
// nothing.
using ClipOne = std::function<int32_t(const GeosContext&, const ClipOutline&, int32_t id)>;
int32_t ClipEach(WorkAreaHandle outline, WorkAreaHandle source, WorkAreaHandle target, double tolerance, int mode,
                 int areaType, int entityType, const ClipOne& clip);

// The stretches of one line of `source` on the kept side, appended to
// `target` with the line's parameters and record (shorter than `tolerance`
// dropped; a cut within `tolerance` of one of the line's vertices made at
// that vertex); how many.
int32_t ClipOneLine(const ClipOutline& shape, WorkAreaHandle source, int32_t id, WorkAreaHandle target,
                    double tolerance);

}  // namespace zv::topo
