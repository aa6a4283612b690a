#pragma once
// The custom chart's first columns, each for the column row `index`, read
// over its own connection (ChartReadError on a failure):
//  - DrawLayerNameColumn (code 0): per geolayercolor row its name and lower
//    boundary when the row's shown is exactly 1 (no boundary on the hole's
//    bottom), then the column's right edge.
//  - DrawStrataColumns (codes 1 .. 6, the content by the index: designation,
//    top, bottom, thickness, core length, recovery): per drilgeo2 row a
//    boundary and its label; a layer too thin for its label moves its
//    boundary down by the depth text size + 1 (with a slanted tick to the
//    true one in column 6). Boundaries after the hole's first are a chain of
//    segments of which only the newest is outer wide.
//  - DrawLithologyColumn (code 7): colour boxes from geolayercolor (and,
//    with the F1 row's option 1, the ore intervals; drawn at once in the
//    rare-earth mode), then per drilgeo2 row its boundary and patterned box
//    coloured by the last box holding its centre (pattern 200 colour 1, none
//    9), the compression marker for a layer shortened by more than 0.1 m,
//    and the scale label in the header band.

#include "zavediz/chart/custom_chart_context.h"

namespace zv::chart {

void DrawLayerNameColumn(CustomChartContext& chart, int index);
void DrawStrataColumns(CustomChartContext& chart, int index);
void DrawLithologyColumn(CustomChartContext& chart, int index);

}  // namespace zv::chart
