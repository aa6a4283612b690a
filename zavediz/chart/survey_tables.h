#pragma once
// The two tables under the chart, both on every chart: the deviation survey
// (drilmeas by depth, layer 3) and the depth checks (drilmeam by recorded
// depth, layer 4). B = −holeLength is the chart's bottom line.
//  - Narrow (chartWidth below 370): one block of 10 rows under a 14 mm head,
//    from B − 24 down to B − 98; the deviation table at x 0 to 96, the
//    check table centred on the chart.
//  - Wide: two blocks side by side, sized together by N, the larger of the
//    two tables' row counts: 7 rows a block and the bottom at B − 80 when
//    N < 15, else 10 rows and B − 98.
//  - Rows past the frame continue downward at the 6 mm pitch. The check's
//    error is the checked less the recorded depth.

#include <cstddef>

#include "zavediz/chart/chart_context.h"

namespace zv::chart {

// N: the larger of the hole's drilmeas and drilmeam row counts, read over
// the drawer's own connection.
std::size_t SurveyRowCount(ChartDb& db, const HoleRef& hole);

// The wide tables' bottom line, relative to B, for N rows.
double WideTableBottom(std::size_t rows);

void DrawNarrowHoleDeviationTable(ChartContext& chart);
void DrawNarrowDepthCheckTable(ChartContext& chart);
void DrawHoleDeviationTable(ChartContext& chart);
void DrawDepthCheckTable(ChartContext& chart);

}  // namespace zv::chart
