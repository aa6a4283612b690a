#pragma once
// The outline a pattern fills: a set of closed rings taken together under
// the even-odd rule, so a region's holes stay empty and its separate parts
// are all filled. A region gives every ring it has; a line gives its
// vertices closed by its first vertex, whether or not it was closed.
//
// A stretch of a segment is kept when its midpoint lies inside or on the
// ring set; pieces of zero length are never returned.

#include <cstdint>
#include <functional>
#include <utility>
#include <vector>

#include "include/zavediz/records.h"
#include "platform/data/work_area.h"

namespace zv::annot {

using Ring = std::vector<D_DOT>;
using Rings = std::vector<Ring>;
using Segment = std::pair<D_DOT, D_DOT>;

// The rings of a region (kRegionEntity) or the closed vertex list of a line
// (kLineEntity); empty when the entity cannot be read.
Rings EntityRings(WorkAreaHandle area, int entityType, int32_t id);

// A line's vertices followed by its first vertex again.
Ring ClosedRing(std::vector<D_DOT> vertices);

// Inside or on any ring, counting insides by the even-odd rule.
bool InsideOrOnRings(const Rings& rings, const D_DOT& p);

// The pieces of a-b that lie inside or on the rings, in order from a: the
// plain walk over every edge (ring_clipper.h gives the same pieces faster
// for many segments over one ring set).
std::vector<Segment> StretchesInside(const Rings& rings, const D_DOT& a, const D_DOT& b);

// The walk behind StretchesInside, whatever search over the edges feeds it.
enum class RingSide { kOutside, kInside, kOn };
using Along = std::vector<std::pair<double, D_DOT>>;  // points of a-b by their parameter
struct StretchSearch {
  // a-b's ends, its crossings with the rings and, with `vertices`, the ring
  // vertices on it, in ring order and within a ring crossings (by edge)
  // before vertices; unsorted.
  std::function<Along(bool vertices)> splits;
  std::function<RingSide(const D_DOT&)> side;
};
std::vector<Segment> StretchesBySearch(const D_DOT& a, const D_DOT& b, const StretchSearch& search);

// The split points one ring adds to a-b: the crossing with its edge from
// vertex i − 1 to i (0 < i < size), and vertex k when within `tolerance`.
void AddEdgeCrossing(Along& along, const Ring& ring, std::size_t i, const D_DOT& a, const D_DOT& b);
void AddVertexOn(Along& along, const D_DOT& v, double tolerance, const D_DOT& a, const D_DOT& b);

// Each vertex of every ring turned by minus `angle` (radians) about the
// origin; the box of the result. An empty set gives a zero box.
D_RECT RotatedRingsBox(const Rings& rings, double angle);

// The centre of the rings' box in the frame turned by minus `angle`
// (radians), turned back into the map frame; `height` is that box's height.
D_DOT RotatedBoxCentre(const Rings& rings, double angle, double* height);

// Every vertex moved by minus (dx, dy) and then turned by minus `angle`.
void MoveRotateRings(Rings& rings, double dx, double dy, double angle);

// The number of vertices of all rings.
std::size_t VertexCount(const Rings& rings);

}  // namespace zv::annot
