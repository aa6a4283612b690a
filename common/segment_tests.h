#pragma once
// Two crossing tests on segments P1P2 and P3P4, shared by the section-line
// code, the drawing tools, hatching and labelling. Neither computes the
// crossing point.

#include <cstdint>

// True for a proper crossing. Segments whose slopes differ by less than
// 0.0001 count as parallel (two vertical or zero-length segments too), and an
// end point lying exactly on the other line does not count.
bool SegmentsIntersect(double x1, double y1, double x2, double y2, double x3, double y3, double x4, double y4);

// The breaking tools' crossing test of segment A (P1P2) and B (P3P4): two
// vertical or two horizontal segments on one line, slopes within 0.0001 of
// each other (NaN for two vertical ones) and B wholly on one side of A's
// line never cross; otherwise A's ends on opposite sides of B's line, or
// one on it, cross. Touching at an end therefore counts.
bool SegmentsCross(double x1, double y1, double x2, double y2, double x3, double y3, double x4, double y4);

// Where the segments cross.
enum SegmentCrossing : uint16_t {
  kNoCrossing = 0,       // none, parallel, or at P1
  kCrossingAtStart = 1,  // at P3, the start of the second segment
  kCrossingAtEnd = 2,    // at P4, its end
  kCrossingInside = 100, // inside both segments
};

// The crossing code; 1e-8 widens both segments slightly at their starts and
// snaps the second segment's parameter to its end points, while the upper
// bounds are exact.
uint16_t IntersectSegments(double x1, double y1, double x2, double y2, double x3, double y3, double x4, double y4);

// The crossing test of the section's strata and of snapping to crossings:
// true at once when a1's x equals b1's or b2's x (a vertical boundary meets
// a vertex below it); otherwise a proper crossing, segments touching only
// at an end point counting as not crossing (two collinear ones as crossing).
bool SegmentCrossTest(double a1x, double a1y, double a2x, double a2y, double b1x, double b1y, double b2x,
                      double b2y);

// Where the lines through a1-a2 and b1-b2 meet; for a vertical a1-a2 at
// b1's (or b2's) x, that vertex itself. False, `x` and `y` untouched, for
// parallel lines.
bool SegmentCrossPoint(double a1x, double a1y, double a2x, double a2y, double b1x, double b1y, double b2x,
                       double b2y, double* x, double* y);
