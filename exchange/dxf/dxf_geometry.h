#pragma once
// Small geometry routines the entity parsers and writers share: the spline
// sampler, the text anchor, and the point transform of block references.

#include <span>
#include <vector>

#include "include/zavediz/records.h"

namespace zv::dxf {

// Samples a uniform cubic B-spline of the control points: P0, P1, then for
// every span s = 2 .. n−3 six points at t = 0, 0.2 … 1.0, then P(n−2),
// P(n−1); 6·spans + 4 points. Two to four control points give P0, P1,
// P(n−2), P(n−1); fewer than two give nothing.
std::vector<D_DOT> SampleUniformBSpline(std::span<const D_DOT> control);

// Moves a text's insertion point from the DXF attachment point (1..9, as
// MTEXT group 71: top, middle, bottom rows; left, centre, right columns) to
// the platform's anchor, for a text of height h and width w. Any other
// attachment adds h to x and y.
void AlignTextPosition(D_DOT& position, double height, double width, int attachment);

// Scales p about (cx, cy) by (sx, sy), then turns it counter-clockwise by
// the angle in degrees.
void ScaleRotatePoint(double cx, double cy, D_DOT& p, double angleDegrees, double sx, double sy);

}  // namespace zv::dxf
