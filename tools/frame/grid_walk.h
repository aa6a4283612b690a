#pragma once
// The kilometre grid of a frame: the values, multiples of the step, that lie
// strictly between the frame's two edges. Each value is computed as
// (index × step) from the largest multiple not above the start, never by
// adding steps, so a step that does not divide a kilometre still gives its
// own multiples. A value within `tolerance` below the end is left out: that
// line would lie on the edge.

#include <optional>
#include <vector>

namespace zv::frame {

// The most lines one grid direction may hold; a wider walk is refused.
inline constexpr int kMaxGridLines = 10000;

// The values in ascending order; none when the step is not above zero, a
// bound is not finite or lies 2^53 steps or more from zero, or the walk
// would exceed kMaxGridLines.
std::optional<std::vector<double>> GridValues(double start, double end, double step, double tolerance);

}  // namespace zv::frame
