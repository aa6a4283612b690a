#pragma once
// Lines interpolated between two existing lines (intermediate contours),
// the pairing of the two lines' vertices by three algorithms, and the
// resampling they share. No Qt; everything in map units.

#include <cstdint>
#include <vector>

#include "include/zavediz/records.h"

namespace zv::tools {

using Polyline = std::vector<D_DOT>;

// Two equally long point lists: u on line 1, w on line 2.
struct VertexPairs {
  Polyline u, w;
};

// The point at `distance` along the line: on the first segment at whose end
// the summed length exceeds it; the last vertex when none does.
D_DOT PointAtDistance(const Polyline& line, double distance);

// `m` points: the first vertex, points at i·L/m for i = 1 … m − 2, and the
// last vertex as point m − 1. Fewer than two points give the two ends.
Polyline ResampleLine(const Polyline& line, int32_t m);

// The index of the vertex of `line` nearest to p (the first of equals).
std::size_t NearestVertexIndex(const Polyline& line, const D_DOT& p);

// Whether line 2 runs against line 1: the chords from line 1's middle
// vertex and the next one to their nearest vertex of line 2 (and the one
// after it) cross, or else line 2's last vertex is nearer to line 1's first
// than line 2's first is (equal within 0.0001: the senses differ). Lines of
// fewer than two vertices never need it.
bool NeedsReversal(const Polyline& line1, const Polyline& line2);

// Algorithm 2: each vertex of the line with more points paired with the
// nearest vertex of the other line.
VertexPairs PairNearest(const Polyline& line1, const Polyline& line2);
// Algorithm 3: the longer line walked from its start; the skipped vertices of
// the shorter one paired with their own nearest vertices first.
VertexPairs PairVertices(const Polyline& line1, const Polyline& line2);

// The pairs that the algorithm (1, 2 or 3) gives for the two lines;
// `vertexCount` is the resampling count of algorithm 1 for lines of
// different vertex counts (0: (c1 + c2 + 3) / 2). Empty when a line has fewer
// than two vertices.
VertexPairs ContourPairs(const Polyline& line1, const Polyline& line2, int algorithm, int32_t vertexCount);

// Contour j of k (j = 1 … k): u[i] + (w[i] − u[i])·j/(k + 1).
std::vector<Polyline> PlaceContours(const VertexPairs& pairs, int32_t k);

// The four-point mode's stretches: the vertices of `line` between the ones
// nearest to a and b, taken in ascending order, both ends included.
Polyline StretchBetween(const Polyline& line, const D_DOT& a, const D_DOT& b);

// The free four-point contours: two-point lines from p1 + (p3 − p1)·j/(k+1)
// to p2 + (p4 − p2)·j/(k+1), p3 and p4 swapped first when p1–p3 crosses
// p2–p4.
std::vector<Polyline> FreeContours(D_DOT p1, D_DOT p2, D_DOT p3, D_DOT p4, int32_t k);

}  // namespace zv::tools
