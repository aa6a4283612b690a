#pragma once
// Clipping many segments against one ring set (pattern_rings.h) at a cost
// that follows the edges near each segment rather than every edge: the
// pieces are exactly those of StretchesInside, and a point's side exactly
// that of InsideOrOnRings.
//
// Edges are kept in bands across a direction: a segment perpendicular to
// that direction (every line and dash of one hatch family) only looks at
// the edges of the band it lies in, and a point's side is counted over the
// edges of its horizontal band. A segment of any direction is clipped
// correctly; one far from every band's direction merely looks at more edges.

#include <cstdint>
#include <memory>
#include <vector>

#include "annotation/core/pattern_rings.h"

namespace zv::annot {

class EdgeBands;

class RingClipper {
 public:
  explicit RingClipper(Rings rings);
  ~RingClipper();
  RingClipper(const RingClipper&) = delete;
  RingClipper& operator=(const RingClipper&) = delete;

  // The pieces of a-b inside or on the rings, in order from a.
  std::vector<Segment> Stretches(const D_DOT& a, const D_DOT& b);
  RingSide Side(const D_DOT& p) const;
  bool InsideOrOn(const D_DOT& p) const { return Side(p) != RingSide::kOutside; }

 private:
  struct EdgeRef {
    uint32_t ring;
    uint32_t to;  // the edge runs from the vertex before `to` (the last one for 0) to `to`
  };
  const EdgeBands& BandsAcross(const D_DOT& a, const D_DOT& b);
  Along Splits(const D_DOT& a, const D_DOT& b, bool vertices);

  Rings rings_;
  std::vector<double> tolerance_;  // each ring's "on" distance
  double slack_ = 0;               // rounding of a coordinate's projection
  std::vector<EdgeRef> edges_;     // of every ring, in ring and edge order
  std::unique_ptr<EdgeBands> sides_;
  std::vector<std::unique_ptr<EdgeBands>> crossings_;
  // Edge ids of the search under way, kept to spare an allocation per search.
  std::vector<uint32_t> scratch_;
  mutable std::vector<uint32_t> sideScratch_;
};

}  // namespace zv::annot
