#pragma once
// B-spline curves of SPLINE entities and of spline edges of HATCH
// boundaries: their degree, knots, weights and control points, evaluated by
// de Boor's algorithm (rational when weights are given) and sampled into the
// polylines the platform draws.

#include <cstddef>
#include <vector>

#include "include/zavediz/records.h"

namespace zv::dxf {

struct DxfBSpline {
  int degree = 3;               // SPLINE group 71, hatch edge group 94
  std::vector<double> knots;    // group 40; control count + degree + 1 values when given
  std::vector<double> weights;  // SPLINE group 41, hatch edge group 42; one per control point when given
  std::vector<D_DOT> control;
};

// The spline as it can be evaluated: the degree within 1 .. control count − 1;
// knots that are not control count + degree + 1 non-decreasing numbers
// spanning a range replaced by clamped uniform ones (the curve then starts
// and ends at its end control points); weights dropped unless there is one
// positive weight per control point. Fewer than two control points give a
// spline without control points.
DxfBSpline UsableBSpline(DxfBSpline spline);

// The point of a usable spline at parameter t, clamped to the knots'
// domain [knot(degree), knot(count)].
D_DOT EvaluateBSpline(const DxfBSpline& usable, double t);

// The curve as a polyline: degree 1 gives the control points; a higher
// degree gives kBSplineSamplesPerSpan points evenly spaced in parameter over
// every knot span of the domain, then the end point. Nothing for fewer than
// two control points.
inline constexpr std::size_t kBSplineSamplesPerSpan = 16;
std::vector<D_DOT> SampleBSpline(const DxfBSpline& spline);

}  // namespace zv::dxf
