#pragma once
// Plane geometry helpers of the platform data library. Angles are radians,
// counter-clockwise from the x axis.

#include <cstdint>
#include <vector>

#include "include/zavediz/records.h"
#include "platform/data/work_area.h"

namespace zv {

double BasPointDistance(const D_DOT& a, const D_DOT& b);
double BasCoordDistance(double x1, double y1, double x2, double y2);
// The direction of the segment a → b in [0, 2π); 0 when a and b coincide.
double BasSegmentAngle(const D_DOT& a, const D_DOT& b);
double BasCoordAngle(double x1, double y1, double x2, double y2);
// The direction of the line a → b in (−π, π]: its sign tells whether the line
// heads north or south; 0 when a and b coincide.
double BasLineDirection(const D_DOT& a, const D_DOT& b);
// The length of the polyline through the first `count` vertices.
double BasPolylineLength(const D_DOT* vertices, int32_t count);
double BasPolylineLength(const std::vector<D_DOT>& vertices);
// The shortest distance from p to the segment a–b.
double BasPointToSegmentDistance(const D_DOT& p, const D_DOT& a, const D_DOT& b);
// Non-zero when the segments a1–a2 and b1–b2 share a point: a proper
// crossing, an end touching the other segment, or collinear overlap all
// count (a table's border that ends exactly on a scan still crosses it).
// `at` (may be null) receives a shared point.
int BasSegmentIntersection(const D_DOT& a1, const D_DOT& a2, const D_DOT& b1, const D_DOT& b2, D_DOT* at);
// The distance from p to the nearest point of the polyline through the
// `count` vertices, ends included (never to the lines' extensions); a single
// vertex is a point; no vertex is infinitely far.
double BasPointToLineDistance(const D_DOT& p, const D_DOT* vertices, int32_t count);
// Signed area of a ring (positive counter-clockwise); closing edge implied.
double BasPolygonArea(const D_DOT* vertices, int32_t count);
// 1 inside, 2 on the boundary, 0 outside (even-odd rule; the ring is closed
// implicitly; fewer than 3 vertices contain nothing).
int BasPointInPolygon(const D_DOT* vertices, int32_t count, const D_DOT& p);
int BasPointInPolygon(const std::vector<D_DOT>& vertices, const D_DOT& p);
// The distance within which BasPointInPolygon counts a point as on the
// boundary: relative to the ring's largest coordinate, so that it survives
// the rounding of coordinates far from the origin.
double BasPolygonOnTolerance(const D_DOT* vertices, int32_t count);
// The sense of a vertex list from its signed area: 1 counter-clockwise, −1
// clockwise, 0 none (fewer than three vertices or no area).
int BasLineSense(const std::vector<D_DOT>& vertices);
// Option 0: 1 when every vertex lies in the rectangle (edges included), else
// 0; other options are not offered and give 0.
int BasPolylineInRect(const D_DOT* vertices, int32_t count, const D_RECT& rect, int option);
// Non-zero when p lies in the rectangle, edges included.
int BasPointInRect(const D_RECT& rect, const D_DOT& p);
// Option 0: 1 when every vertex of the line, or of every arc of the region
// (each non-zero entry of its arc list after entry 0), lies in the
// rectangle, edges included; 0 when one does not, when the entity or one of
// its arcs cannot be read, and for other options.
int BasLineInRect(WorkAreaHandle area, int32_t id, const D_RECT& rect, int option);
int BasRegionInRect(WorkAreaHandle area, int32_t id, const D_RECT& rect, int option);
// The smallest rectangle holding the vertices; false when there are none.
bool BasVerticesRect(const D_DOT* vertices, int32_t count, D_RECT* rect);
// Grows `rect` to hold `other`.
void UniteRect(D_RECT& rect, const D_RECT& other);

}  // namespace zv
