#pragma once
// The signature block at the chart's lower right: a box 90 mm wide and 57 mm
// tall, its right edge on the chart's, its bottom level with the tables'
// (B − 80 beside wide tables of fewer than 15 rows, else B − 98). Two title
// lines, six sign-off roles with their names, and the source, scale, date,
// drawing number and sequence cells, from the hole's last zkinfok row;
// without one the frame, the labels and the scale text stand alone.
//  - Texts are fitted to their cells (FitCharacterGap): each column group
//    starts again at a width of 3.5 that its fits may lower, and a text's y
//    centres it by the width before its own fit. The titles are measured in
//    character cells of the default text font (an ASCII character half a
//    cell) with a gap between each two characters, labels counted by their
//    characters, values as GBK bytes / 2.

#include <string>

#include "zavediz/chart/chart_context.h"

namespace zv::chart {

// "1∶" and the scale denominator 200·scaleFactor as "%4.0f".
std::string SignatureScaleText(float scaleFactor);

void DrawChartSignatureBlock(ChartContext& chart);

}  // namespace zv::chart
