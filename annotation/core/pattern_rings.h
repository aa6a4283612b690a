#pragma once
// The outline a pattern fills: a set of closed rings taken together under
// the even-odd rule, so a region's holes stay empty and its separate parts
// are all filled. A region gives every ring it has; a line gives its
// vertices closed by its first vertex, whether or not it was closed.
//
// A stretch of a segment is kept when its midpoint lies inside or on the
// ring set; pieces of zero length are never returned.

#include <cstdint>
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

// The pieces of a-b that lie inside or on the rings, in order from a.
std::vector<Segment> StretchesInside(const Rings& rings, const D_DOT& a, const D_DOT& b);

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
