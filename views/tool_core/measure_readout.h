#pragma once
// The measurement read-out of the tool views: the figures of the picked
// regions and lines, and the red lines of text the overlay writes from them
// at the view's top-left corner. The sums come from the pool and its work
// areas; the texts need nothing but the sums and the scale.
//
// Units: the area sum is the regions' "面积" field in square map units
// (millimetres on paper), the length sum the lines' map length. The "real"
// figures scale them by the scale denominator (paper millimetres to metres:
// ×0.001 per length unit).

#include <cstdint>
#include <span>
#include <string>
#include <vector>

#include "platform/data/work_area.h"

namespace zv::toolview {

struct MeasureSums {
  double area = 0.0;      // sum of the picked regions' "面积"
  int64_t vertices = 0;   // vertices of the picked lines
  double length = 0.0;    // map length of the picked lines
};

// Walks the pool: regions add their "面积" field, lines their vertex count
// and length; entries whose area or entity is gone add nothing.
MeasureSums SumPool(std::span<const ENTITY_MSG> pool);

struct ReadoutLine {
  int y = 0;  // window pixels from the top; every line starts at x = 20
  std::string text;
};
inline constexpr int kReadoutX = 20;

// The lines to write for the sums at a scale denominator (0: 1000). The
// area lines only when the area sum is above 0.00001; the line figures only
// when some vertex was counted.
std::vector<ReadoutLine> ReadoutLines(const MeasureSums& sums, long scaleDenominator);

}  // namespace zv::toolview
