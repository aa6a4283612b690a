#pragma once
// The hydrogeology columns, drawn on every chart, each when its 栏目选择
// row's flag reads as the integer 1: row 22 water-bearing and sealing boxes
// (drilhydr01 patterns, drilhydr02 colours), row 23 the water-level curves
// (drilhydr in depth order) with their axis, row 24 the hydrogeological
// descriptions (drilhydr03, sized by Tzkkpara), row 25 the remarks frame.
// The tables are read whatever is drawn.
//  - The level range runs over both levels of every row, rounded to the
//    two decimals its labels show; a range of 0 puts the points in the
//    column's middle. A curve is appended only with two points or more.
//  - Tzkkpara's fifth row sizes the descriptions (fields 5, 6, 7), its
//    seventeenth gives their font (field 3); rows the table lacks give
//    3.0, 0.5, 1.0 and font 1.

#include "zavediz/chart/chart_context.h"

namespace zv::chart {

struct HydrogeologyText {
  double size = 3.0;
  double spacing = 0.5;
  double lineGap = 1.0;
  int16_t font = 1;
};

void DrawHydrogeologyColumns(ChartContext& chart);

}  // namespace zv::chart
