#pragma once
// Contour lines traced on a TIN's triangles.
//
// The surface is linear on each triangle, so a level crosses a triangle in at
// most one straight piece. A corner whose value equals the level counts as
// above it: a level never runs through the inside of a flat triangle, and a
// corner exactly on a level is where the line passes. The pieces are chained
// across shared edges into lines; a line that comes back to where it began
// is closed (its last point repeats its first), any other ends on the
// surface's outer boundary at both ends. Points where the line crosses an
// edge are computed from the edge's two corners in one fixed order, so the
// triangles on either side give the very same point.
#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <vector>

#include "include/zavediz/records.h"
#include "platform/tin/tin.h"

namespace zv::tin {

struct ContourLine {
  double level = 0;
  std::vector<D_DOT> points;
  bool closed = false;
  // For open lines: the boundary edges (corner indices, lower first) where
  // the line starts and ends.
  std::array<int32_t, 2> startEdge{-1, -1}, endEdge{-1, -1};
};

// The most levels one tracing takes.
inline constexpr int64_t kMaxContourLevels = 10000;

// The levels lowest + k × interval that lie within the surface's range
// [zMin, zMax], lowest first; an error when the interval is not above zero,
// there would be more than kMaxContourLevels of them, or the range lies so
// many intervals from the lowest level that the levels cannot be counted.
struct LevelChoice {
  std::vector<double> levels;
  std::string error;
};
LevelChoice ContourLevels(double lowest, double interval, double zMin, double zMax);

// The lines of each level, level by level in the given order.
std::vector<ContourLine> TraceContours(const Tin& tin, std::span<const double> levels);

}  // namespace zv::tin
