#pragma once
// Plane geometry of the drawing tools, shared with the section and
// annotation code: typed points, sampled arcs and ellipses, triangle
// circles, rotations, arrow heads, braces and the closed figures the
// construction modes append. Everything is in map units (doubles) and
// radians counter-clockwise from +x, unless a function says otherwise.
//
// Figures come back as vertex lists ready to append; an empty list means the
// points give no figure (coincident or collinear points, a zero radius), so
// no caller ever appends or draws a NaN or infinite vertex.

#include <cstdint>
#include <optional>
#include <string_view>
#include <vector>

#include "include/zavediz/records.h"

// The angular step of every sampled curve of the construction modes.
constexpr double kCurveStep = 0.1;

// What a typed text gives at a click: 0 "x,y"; 1 "d,a", a distance and an
// angle in degrees counter-clockwise from +x, from the last vertex; 2 one
// length from the last vertex towards the cursor.
enum TypedKind : int { kTypedXY = 0, kTypedDistanceAngle = 1, kTypedLength = 2 };

// The point a typed text gives, or nothing when the text cannot be read:
// kinds 0 and 1 need a comma, kind 2 a cursor away from the last vertex, and
// a point beyond the range of doubles (hundreds of digits) is unreadable.
// Blanks are dropped first; each number is read as atof reads it in the C
// locale (reading stops at the first character that is not part of it, and
// nothing read is 0).
std::optional<D_DOT> ParseTypedPoint(std::string_view text, int kind, const D_DOT& last, const D_DOT& cursor);

// The point at `distance` along a polyline with the start vertex of the
// segment it lies on; at or past the end, the last vertex (and its index).
struct PolylinePosition {
  std::size_t segment = 0;
  D_DOT point{};
};
PolylinePosition PositionAlong(const std::vector<D_DOT>& line, double distance);

// Samples the circle around (cx, cy) of radius r counter-clockwise from
// `start` to `end` (an end below the start goes on past 2π) by `step`; the
// last point lies exactly at `end`. Writes count + 1 points, the last one
// repeated, and returns count; a null `out` only counts.
int32_t SampleArcPoints(double cx, double cy, double r, double start, double end, D_DOT* out, double step);
// The same as a vertex list of count + 1 points.
std::vector<D_DOT> ArcPoints(const D_DOT& centre, double r, double start, double end, double step = kCurveStep);

// The inscribed (true) or circumscribed circle of the triangle p12[0],
// p12[1], *p3: returns the radius and writes the centre into *p3. Returns 0
// and leaves *p3 as it was for coincident or collinear points.
double TriangleCircle(const D_DOT p12[2], D_DOT* p3, bool inscribed);

// (x, y) turned by `angle`, counter-clockwise or clockwise.
D_DOT RotateVector(double x, double y, D_DOT* out, double angle, bool clockwise);

// The ellipse with foci f1, f2 through p, sampled like SampleArcPoints from
// `start` to `end` (parameter angles, turned with the focal axis); closes on
// its first point (count + 1 points). Returns count, or 0 (nothing written)
// when p lies on the focal segment or all three points coincide.
int32_t EllipsePoints(const D_DOT& f1, const D_DOT& f2, const D_DOT& p, double start, double end, D_DOT* out,
                      double step);
// The whole ellipse (a circle when f1 equals f2) as a closed vertex list.
std::vector<D_DOT> EllipseFigure(const D_DOT& f1, const D_DOT& f2, const D_DOT& p);

// The full circle of a triangle (65 points), or empty.
std::vector<D_DOT> TriangleCircleFigure(const D_DOT& a, const D_DOT& b, const D_DOT& c, bool inscribed);
// The arc of centre m and radius |ms| from the direction of s
// counter-clockwise to the direction of e, or empty for a zero radius.
std::vector<D_DOT> CentreArcFigure(const D_DOT& m, const D_DOT& s, const D_DOT& e);
// The arc through a, b and d that runs from a to d and passes b, or empty
// for collinear or coincident points.
std::vector<D_DOT> ThreePointArcFigure(const D_DOT& a, const D_DOT& b, const D_DOT& d);

// a, (g.x, a.y), g, (a.x, g.y), a: the first edge runs along x.
std::vector<D_DOT> RectangleFigure(const D_DOT& a, const D_DOT& g);
// p0, p1, g, g + p0 − p1, p0.
std::vector<D_DOT> ParallelogramFigure(const D_DOT& p0, const D_DOT& p1, const D_DOT& g);
// The regular n-gon around m whose first vertex is v0, running clockwise and
// closing on v0; empty for n < 3 or v0 on m.
std::vector<D_DOT> RegularPolygonFigure(const D_DOT& m, const D_DOT& v0, int n);

// The arrow head of segment p1 → p2 with barb end q: q, p2, and q mirrored
// across the line p1p2 (the direction and the foot parameter in single
// precision, as the heads have always been drawn).
void MirrorArrowHead(const D_DOT& p1, const D_DOT& p2, const D_DOT& q, D_DOT out[3]);
// The foot of q on the line p1p2 with the same single-precision parameter.
D_DOT FootPoint(const D_DOT& p1, const D_DOT& p2, const D_DOT& q);
// Where the foot of q on the line ab falls: 0 between a and b (neither angle
// obtuse), -1 before a, 1 beyond b, 2 otherwise (a and b coincide).
int16_t FootPosition(const D_DOT& q, const D_DOT& a, const D_DOT& b);

// The seven vertices of a brace from a to b, its tip to the right of a → b.
std::vector<D_DOT> BracePoints(const D_DOT& a, const D_DOT& b);

// The foot of p on the line through the last vertex perpendicular to the
// last segment; p itself with fewer than two vertices or a zero-length last
// segment.
D_DOT PerpendicularSnap(const std::vector<D_DOT>& vertices, const D_DOT& p);

// The azimuth of from → to in degrees (north 0, east 90), as the readouts
// show it.
double AzimuthDegrees(const D_DOT& from, const D_DOT& to);
