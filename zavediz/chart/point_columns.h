#pragma once
// The marker-plane column (栏目选择 row 8, table drilflag) and the specimen
// column (row 9, table drilspec): one short label a row at its depth, the
// column's frame and its vertical caption.
//  - Labels show the recorded depth ("%7.2f") even where row 5's option
//    places them at the alternative one; the column's option 0 writes the
//    framed form "/ a/b /", any other the plain "a/b". A label keeps 19 GBK
//    bytes ("°" counts 2).
//  - Rows come in the database's order; labels are on layer 5, the frame
//    on layer 2.

#include "zavediz/chart/chart_context.h"

namespace zv::chart {

void DrawMarkerPlaneColumn(ChartContext& chart);
void DrawSpecimenColumn(ChartContext& chart);

}  // namespace zv::chart
