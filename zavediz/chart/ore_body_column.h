#pragma once
// The ore-body column (栏目选择 row 21, table drilore in the database's
// order): per ore body its number, its label text (written as the database
// holds it, text codes and all) and a bracket over its interval; a body
// thinner than 8 mm on paper gets a bracket widened to 8 mm around it (plus
// 1 mm above), tied to its true top and bottom at the column's left edge.
// With the column's option 0 the body is also filled in the lithology
// column: ore type "1" colour 175, "2" 174, any other 6.

#include <cstdint>
#include <string>

#include "zavediz/chart/chart_context.h"

namespace zv::chart {

int16_t OreFillColour(const std::string& oreType);

void DrawOreBodyColumn(ChartContext& chart);

}  // namespace zv::chart
