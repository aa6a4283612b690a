#pragma once
// What the later column drawers share: the two line weights they ask for,
// the depth a row is placed at, and the frame a column closes with.
//  - kOuter is stored 0.5 wide, kInner 0.1 (WriteChartLine's rule).
//  - DrawColumnFrame: the right edge from the header's top (or `rightTop`)
//    down to the chart's bottom, outer only when the column ends at the
//    chart's right border; the header's top (outer), the header's foot at
//    y = 0 (inner) and the chart's bottom (outer), all type 1, colour 1.

#include <cstdint>

#include "zavediz/chart/chart_context.h"

namespace zv::chart {

inline constexpr double kOuter = 1.0;
inline constexpr double kInner = 0.2;

void DrawColumnFrame(ChartContext& chart, double x0, double x1, int16_t layer, double rightTop = kHeaderTop);

// y of the recorded depth, or of the alternative one when row 5's option
// switches every drawer to the corrected depths.
double PlacedY(const ChartContext& chart, const std::string& recorded, const std::string& alternative);

}  // namespace zv::chart
