#pragma once
// Small writers and number texts of the custom chart's columns.
//  - DecimalFormat(n): "%5.1f" .. "%5.5f" for n = 1 .. 5, else empty.
//  - FormatColumnNumber: whole numbers ("%d", decimals 0) are truncated
//    toward zero after a relative nudge of 1e-9, so float error never costs
//    a unit (0.29 m of 1 m core is 29 %, though 0.29 / 1 × 100 is
//    28.999…); 1 .. 5 decimals by DecimalFormat; any other count gives an
//    empty text.
//  - TrimLeadingBlanks removes leading blanks (32) only.
//  - AddChartPolylineStyled appends a polyline whose record is all zero but
//    line type, colour, width and the two scales 8.0 (layer 0).

#include <cstdint>
#include <string>
#include <vector>

#include "zavediz/chart/chart_primitives.h"

namespace zv::chart {

std::string DecimalFormat(int decimals);
std::string FormatColumnNumber(double value, int decimals);
std::string TrimLeadingBlanks(const std::string& text);
int32_t AddChartPolylineStyled(ChartWriter& writer, const std::vector<D_DOT>& vertices, int16_t style,
                               int32_t colour, float width);

}  // namespace zv::chart
