#pragma once
// The block of hole data above the custom chart and the chart's frame.
//  - Texts stand H = headerTop + 5 mm and higher: the title (zkinfok field
//    21, whole, up to 100 bytes) centred at H + 40 in font 3, sized by
//    FitTitle; the dates, depth ("%5.2f"), line and hole numbers, collar
//    X, Y, H, final azimuth and dip in 4 mm texts of font 1, layer 0.
//  - The frame runs (W, 0), (W, −D), (0, −D), (0, 0) at the outer width,
//    without a top edge: the chart header supplies it.
//  - holeName becomes zkinfok field 0 (empty for a hole not in zkinfok).

#include <string>

#include "zavediz/chart/custom_chart_context.h"

namespace zv::chart {

// "终 孔 倾 角: " and 90° less the stored dip "d°m′s″": a part whose mark is
// missing is empty and the character after it is dropped; rounded to whole
// seconds, zero parts left out; an empty field reads 90°.
std::string CustomDipText(const std::string& stored);

// The title's x that centres `bytes` GBK bytes of the fitted size over the
// chart.
double TitleX(double chartWidth, std::size_t bytes, double height, double spacing);

void DrawHoleHeader(CustomChartContext& chart);

}  // namespace zv::chart
