#pragma once
// Dividing a line at a fixed distance or into a number of parts, each
// division point moved along the line by a random offset. No Qt.
//
// Targets are k·step + offset for k = 1 … parts, clamped to the line
// [0, length], so every division point lies on the line; a target at or
// beyond the end gives the last vertex. The offsets come from `draw`, which
// yields numbers 0 … 32767: per division one number is drawn and discarded,
// then r gives the offset (direction 0: r·range·2/32767 − range, either way;
// 1: r·range/32767, forward; 2: −r·range/32767, backward; others: 0).

#include <cstdint>
#include <functional>
#include <vector>

#include "include/zavediz/records.h"

namespace zv::tools {

using RandomDraw = std::function<int()>;

struct Division {
  std::vector<D_DOT> points;    // the division points, in division order
  std::vector<D_DOT> vertices;  // the line with every source vertex and the points, in order along it
};

// `step` and `parts` as the caller worked them out from the line's length.
Division DivideLine(const std::vector<D_DOT>& line, double step, int32_t parts, int direction, double range,
                    const RandomDraw& draw);

// The most division points one line may get: a distance of 1e-9 on a
// kilometre would be 10^12 points (and overflows the count).
inline constexpr int32_t kMostDivisions = 1'000'000;

// parts and step of a division by distance d (trunc(L / d) + 1, d) or by a
// number of parts n (n, L / n). More than kMostDivisions parts give no parts
// and `tooMany`.
struct DivisionPlan {
  double step = 0;
  int32_t parts = 0;
  bool tooMany = false;
};
DivisionPlan PlanByDistance(double length, double distance);
DivisionPlan PlanByParts(double length, int32_t parts);

// A generator seeded from the clock, as the program uses it.
RandomDraw ClockSeededDraw();

}  // namespace zv::tools
