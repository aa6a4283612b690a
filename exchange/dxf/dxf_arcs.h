#pragma once
// Circles, arcs and bulged polyline segments as vertices, sampled the way the
// platform's arc routine does: 0.1 radian steps.

#include <span>
#include <vector>

#include "include/zavediz/records.h"

namespace zv::dxf {

inline constexpr double kArcStep = 0.1;
inline constexpr double kTwoPi = 6.283185307179586;
inline constexpr double kDegree = 0.017453292519943295;

// Points of a counter-clockwise arc from `start` to `end` (radians; an end
// below the start has 2π added): n = (end − start) / step truncated, n + 2
// points at start + i·step and the last one at the end. Appended to `out`;
// returns the number appended.
int ArcToPoints(double cx, double cy, double r, double start, double end, std::vector<D_DOT>& out,
                double step = kArcStep);

// Points of an elliptic arc about (cx, cy) whose major axis ends at
// (cx + mx, cy + my), minor to major `ratio`, from the ellipse parameter
// `start` to `end` (radians, steps as ArcToPoints). Appended; returns the
// number appended.
int EllipseArcByParam(double cx, double cy, double mx, double my, double ratio, double start, double end,
                      std::vector<D_DOT>& out, double step = kArcStep);
// The same with `start`, `end` and `step` polar angles in degrees measured
// from the major axis (an end below the start has 360 added).
int EllipseArcByAngle(double cx, double cy, double mx, double my, double ratio, double start, double end,
                      std::vector<D_DOT>& out, double step = 1.0);

// A polyline vertex with the bulge of the segment that starts at it
// (tan of a quarter of the arc angle; negative = clockwise).
struct BulgeVertex {
  double x = 0;
  double y = 0;
  double bulge = 0;
};

// The polyline as drawn: straight segments as they are, each bulged segment
// an arc of angle 4·atan(bulge) sampled in 0.1 radian steps (the end vertex
// exactly the next vertex); a closed polyline ends with its first vertex
// again, along the last vertex's bulge.
std::vector<D_DOT> ExpandBulges(std::span<const BulgeVertex> vertices, bool closed);

}  // namespace zv::dxf
