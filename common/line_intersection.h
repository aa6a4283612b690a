#pragma once
// Where two infinite lines meet: the line through P1 and P2 and the line
// through P3 and P4. The section line, the drawing tools, hatching and
// clipping share this one routine under the names their code uses.
//
// Lines count as parallel when the cross product of their directions is
// negligible against the product of their lengths (a relative test, so maps
// in degrees and in metres behave alike); parallel or degenerate lines give
// (x3, y1) instead of a division by zero. Callers that need a crossing of the
// segments ask SegmentsIntersect or IntersectSegments first.

#include "include/zavediz/records.h"

// The tools' form: writes the point into `out` and returns it.
D_DOT LineIntersection(D_DOT* out, double x1, double y1, double x2, double y2, double x3, double y3, double x4,
                       double y4);
D_DOT LineIntersection(const D_DOT& p1, const D_DOT& p2, const D_DOT& p3, const D_DOT& p4);

// The breaking tools' name for the same point, asked after SegmentsCross.
D_DOT SegmentIntersectionPoint(const D_DOT& a1, const D_DOT& a2, const D_DOT& b1, const D_DOT& b2);

// The section code's name for the same point.
D_DOT LineIntersectionPoint(const D_DOT& p1, const D_DOT& p2, const D_DOT& p3, const D_DOT& p4);
