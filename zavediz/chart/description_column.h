#pragma once
// The geological description column (栏目选择 row 7): per layer a label and
// a description paragraph in a block of height H = n(h + s) + s, tied to the
// layer by a leader, placed by the run's mode: −1 downward (blocks hang below
// one another), 1 upward (blocks stand on one another from the hole's end),
// 0 evenly (each block gets a share of the hole's length in proportion to its
// height). The upward and even placements work over the rows read.

#include "zavediz/chart/chart_context.h"

namespace zv::chart {

// Spreads n characters of width *size over from..to: the gap between them,
// shrinking *size in steps of 0.05 while they do not fit.
double FitCharacterGap(double n, float* size, double from, double to);
// The same for a text of `cells` character cells (an ASCII character takes
// half a cell) and `count` characters, so `count` − 1 gaps: its drawn extent
// cells·size + (count − 1)·gap ends at `to`. FitCharacterGap is the case of
// n cells and n characters.
double FitTextGap(double cells, double count, float* size, double from, double to);

void DrawDescriptionsDownward(ChartContext& chart);
void DrawDescriptionsUpward(ChartContext& chart);
void DrawDescriptionsEvenly(ChartContext& chart);

}  // namespace zv::chart
