#pragma once
// The strata code column (栏目选择 row 31), the layer table (row 0, with its
// sub-columns in rows 1 to 4) and the lithology column with its sample bar,
// stratum colours and ore bodies (row 5, with row 6 to its right). Every
// drawer takes the corrected depth columns when row 5's option is 1.
//  - The layer table pushes a layer's texts down under the previous layer's
//    when the two would come closer than S(5) + 1.0, and marks the true depth
//    with a tick at its right edge; its boundaries form one curve chain, so
//    only the hole's bottom stays thick. A recovery of a layer with no
//    thickness is left empty.
//  - The lithology boundary's line style is drilgeo2 column 15, at the
//    layer's bottom.

#include "zavediz/chart/chart_context.h"

namespace zv::chart {

void DrawStrataCodeColumn(ChartContext& chart);
void DrawLayerTable(ChartContext& chart);
void DrawLithologySampleColumn(ChartContext& chart);

}  // namespace zv::chart
