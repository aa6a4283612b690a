#pragma once
// The chart's work areas as text, one entity a line with the fields the chart
// sets (positions to 0.01 mm), for comparison with committed lists.

#include <string>

#include "zavediz/chart/chart_primitives.h"

namespace zv::test {

std::string DumpChart(const chart::ChartAreas& areas);

// A point's text and position, found by its text (the first such point).
struct FoundText {
  bool found = false;
  double x = 0, y = 0;
  float height = 0, width = 0;
};
FoundText FindText(WorkAreaHandle points, const std::string& text);

// Compares with tests/data/<relative>; ZV_WRITE_GOLDEN=1 rewrites the file.
void ExpectMatchesGolden(const std::string& actual, const std::string& relative);

}  // namespace zv::test
