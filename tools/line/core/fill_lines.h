#pragma once
// Parallel fill lines inside an outline of one or more rings (even-odd
// rule), and the turn-and-stretch of a line to a typed direction and
// length. No Qt.

#include <optional>
#include <vector>

#include "include/zavediz/records.h"

namespace zv::tools {

using Polyline = std::vector<D_DOT>;

// The fill lines of `rings` at `angleDegrees` clockwise from the x axis,
// `spacing` apart: after turning the rings counter-clockwise by the angle,
// horizontal lines at ymin + i·spacing (i below int((ymax − ymin)/spacing) + 1)
// are cut at the ring edges; a piece between consecutive crossings that lies
// strictly inside (its midpoint, or when that is a vertex the line touches,
// its quarter points) becomes one two-point line, turned back.
// A line through a vertex where the outline passes from one side to the
// other crosses once there; a touch at a vertex or a run along an edge
// gives no piece. Empty for a spacing ≤ 0 or one that needs more than
// kMostFillRows rows.
std::vector<Polyline> FillLines(const std::vector<Polyline>& rings, double angleDegrees, double spacing);

// The most rows one fill may cut: a spacing of 1e-9 across a map sheet would
// be 10^11 rows, a fill that never ends and exhausts memory.
inline constexpr double kMostFillRows = 1'000'000;

// The rows a fill of `rings` at the angle and spacing cuts (0 for no ring of
// three vertices; infinite for a spacing ≤ 0).
double FillRowCount(const std::vector<Polyline>& rings, double angleDegrees, double spacing);

// The direction of the chord from the first to the last vertex, in degrees.
double ChordAngleDegrees(const Polyline& line);

// The line stretched from its first vertex w0 to `newLength` and turned by
// (newAngle − oldAngle) degrees: w0 + k·turn(v − w0). Nothing for a line of
// zero length or fewer than two vertices.
std::optional<Polyline> TurnAndStretch(const Polyline& line, double newLength, double newAngleDegrees);

}  // namespace zv::tools
