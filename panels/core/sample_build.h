#pragma once
// Filling a page's work area with its samples, and finding the sample under
// a map point.
//
// Every builder empties the area first and lays the samples out left to
// right, top to bottom: all rows, or only the top `visible` ones. Each sample
// carries its own number in its record (a sub-graph's number, a region's
// pattern or fill colour, a line's type and sub-style), so a library with
// gaps gets no cells for the numbers it lacks and the lookups read the number
// from the sample, never from its id.

#include <cstdint>
#include <optional>
#include <span>
#include <string>

#include "panels/core/page_records.h"
#include "panels/core/sample_grid.h"
#include "platform/data/work_area.h"

namespace zv::panels {

// The number of samples built.
int BuildLineSamples(WorkAreaHandle area, const GridGeometry& grid, bool allRows, std::span<const LineStyleNo> styles);
// Patterns and swatches draw their outlines with the current default line
// record, whose type is 0 while they build and restored afterwards.
int BuildPatternSamples(WorkAreaHandle area, const GridGeometry& grid, bool allRows, std::span<const int32_t> patterns);
int BuildSubgraphSamples(WorkAreaHandle area, const GridGeometry& grid, bool allRows, std::span<const int32_t> numbers);
int BuildColourSwatches(WorkAreaHandle area, const GridGeometry& grid, bool allRows, std::span<const int32_t> colours);

// What a sample stands for: its number, or a line style's text.
struct SampleValue {
  int32_t number = 0;
  std::string text;
  friend bool operator==(const SampleValue&, const SampleValue&) = default;
};

// Hover and pick reach: a point or a line counts when nearer than this.
inline constexpr double kHoverReach = 22.0;
inline constexpr double kPickReach = 22.5;

// The sample under a map point by the display modes of the sample view:
// 2 nearest sub-graph, 3 nearest line style (within `reach`), 4 the pattern
// and 6 the colour of the region containing the point.
std::optional<SampleValue> SampleAt(int mode, WorkAreaHandle area, const D_DOT& p, double reach);

}  // namespace zv::panels
