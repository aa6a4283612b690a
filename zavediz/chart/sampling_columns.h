#pragma once
// The sampling group (栏目选择 rows 10 to 15) and its analysis columns
// (rows 16 to 20 and 26 to 30, one element each, names and units from table
// element), from drilsamh in depth order; each sample is also marked by a
// 1 mm strip, alternately fill 1 and 9, right of the lithology column.
//  - Rows are at least 3 mm high: a sample thinner than that on paper gets
//    a 3 mm row whose bottom is tied back to its true bottom by oblique
//    strokes at both ends; a row keeps stepping down while the samples'
//    true bottoms lie above its bottom − 3 mm. A gap of 0.01 mm or more
//    between samples starts a row at the sample's own top.
//  - Texts use the recorded depths even where the alternative ones place the
//    sample; a sample without length has an empty rate.
//  - An analysis cell, name and unit are written when its column's flag
//    begins with "1" (a value above 0, else empty); its frame when the flag
//    reads as the integer 1.

#include <string>

#include "zavediz/chart/chart_context.h"

namespace zv::chart {

// An element's unit as its header shows it: "(" + unit + ")" with the unit
// kept to 9 GBK bytes; empty for an empty unit.
std::string UnitCaption(const std::string& unit);

// The group's right end: the right edge of the last analysis column in use.
double SamplingGroupRight(const ChartState& state);

void DrawSamplingColumns(ChartContext& chart);

}  // namespace zv::chart
