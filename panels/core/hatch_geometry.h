#pragma once
// Plane geometry that hatching shares: rotating pattern vectors, the
// crossing point of two lines, the bounding box of a point array, the three
// classes of a point against a closed outline, and clipping a segment to an
// outline. Angles are radians. The preview engine (hatch_engine.h) and the
// map fills use these same routines.
//
// An outline is an array of vertices whose edges are P[i-1]-P[i] for
// i = 1 .. n-1; it is closed only when its last vertex repeats the first.

#include <cstdint>
#include <vector>

#include "include/zavediz/records.h"

namespace zv::panels {

// Rotates (x, y) about the origin: counter-clockwise by the angle when
// `clockwise` is false, by minus the angle when it is true. The angle is
// first brought into [-2π, 2π].
D_DOT RotateHatchVector(double x, double y, double angle, bool clockwise);

// In place: each point becomes RotateHatchVector(x - dx, y - dy, angle, true).
void TranslateRotatePoints(std::vector<D_DOT>& points, double dx, double dy, double angle);

// Where the line through p1, p2 meets the line through p3, p4 (for nearly
// parallel lines a point of the second line); ask IntersectSegments first.
D_DOT SegmentCrossingPoint(const D_DOT& p1, const D_DOT& p2, const D_DOT& p3, const D_DOT& p4);

// The smallest rectangle holding the points; an empty array gives a zero
// rectangle.
D_RECT PointsBoundingBox(const D_DOT* points, int32_t count);

// Where a point lies against a closed outline. The platform's point-in-polygon
// test answers with numbers of its own; callers name these classes instead.
enum class OutlineSide { kOutside, kInside, kOnOutline };
OutlineSide ClassifyPoint(const std::vector<D_DOT>& outline, const D_DOT& p);
inline bool InsideOrOn(const std::vector<D_DOT>& outline, const D_DOT& p) {
  return ClassifyPoint(outline, p) != OutlineSide::kOutside;
}

// Every crossing of the segment a-b with the outline's edges, in edge order,
// paired with its edge index i (edge P[i-1]-P[i]).
struct EdgeCrossing {
  int32_t edge = 0;
  D_DOT point{};
};
std::vector<EdgeCrossing> OutlineCrossings(const std::vector<D_DOT>& outline, const D_DOT& a, const D_DOT& b);

// The crossing with the first edge, in edge order, that the segment crosses;
// the segment's start when it crosses none.
D_DOT FirstOutlineCrossing(const std::vector<D_DOT>& outline, const D_DOT& a, const D_DOT& b);

// The segment becomes (first crossing, second crossing) in edge order when
// it crosses the outline; true when it crosses more than once.
bool ClipSegmentToOutline(const std::vector<D_DOT>& outline, D_DOT& a, D_DOT& b);

}  // namespace zv::panels
