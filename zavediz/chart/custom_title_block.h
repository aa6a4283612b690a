#pragma once
// The custom chart's title block under its foot, right-aligned with the
// chart's right edge.
//  - The hole's zkinfok fields 20 .. 32 and the scale text preset the
//    title-block dialog (`ask`); a confirmed dialog replaces layout.titleRows,
//    a cancelled one keeps them (no row in use before a first confirmation).
//  - The block's bottom is Y − 81 with Y = −D + 1 when the chart is wider
//    than 370 mm and both survey tables have fewer than 15 rows, else
//    Y = −D − 17.
//  - Texts start from a copy of the platform's default text record taken at
//    the start; the default itself is never changed. Each caption starts
//    from the size the previous content text left.

#include <functional>
#include <string>

#include "zavediz/chart/custom_chart_context.h"
#include "zavediz/dialogs/title_block_preset.h"

namespace zv::chart {

// Shows the title-block dialog with the preset; true with the 14 rows when
// it is confirmed.
using AskTitleBlock = std::function<bool(const zavediz::TitleBlockPreset&, std::array<TitleRow, kTitleRowCount>&)>;

// The block's base ordinate Y for a chart of `width` and `depth` mm with
// `surveyRows` rows in the larger survey table.
double TitleBlockBase(double width, double depth, std::size_t surveyRows);

void DrawChartTitleBlock(CustomChartContext& chart, const AskTitleBlock& ask);

}  // namespace zv::chart
