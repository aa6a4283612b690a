#pragma once
// The chart's work areas as text, one entity a line with the fields the chart
// sets (positions to 0.01 mm), for comparison with committed lists.

#include <string>
#include <vector>

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

// The project "<folder>/<hole>.mpj" lists "<hole>" + each extension in
// that order, each entry marked current (3 in its second byte).
void ExpectChartProject(const std::string& folder, const std::string& hole, const std::vector<std::string>& extensions);

// Compares with tests/data/<relative>; ZV_WRITE_GOLDEN=1 rewrites the file.
void ExpectMatchesGolden(const std::string& actual, const std::string& relative);

}  // namespace zv::test
