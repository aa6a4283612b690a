#pragma once
// What every column drawer of one hole is given: the run's state, the writer
// over the chart's work areas and the hole it draws.

#include <string>

#include "zavediz/chart/chart_primitives.h"
#include "zavediz/chart/chart_state.h"

namespace zv::chart {

struct HoleRef {
  std::string dataSource;
  float scaleFactor = 1;
  std::string mine;
  std::string hole;

  double Y(double depth) const { return ChartState::Y(depth, scaleFactor); }
};

struct ChartContext {
  ChartState& state;
  ChartWriter& writer;
  const HoleRef& hole;
};

}  // namespace zv::chart
