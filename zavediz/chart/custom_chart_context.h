#pragma once
// What each drawer of the custom chart is given: the layout read for the
// hole, the writer over the chart's work areas (its curve chain is the
// chart's last segment) and the hole, with the run's mode and the
// compression marker's sub-graph ([ZK] "subNo").

#include <cstdint>

#include "zavediz/chart/chart_context.h"
#include "zavediz/chart/custom_chart_layout.h"

namespace zv::chart {

// The rare-earth chart's mode: its ore intervals are drawn as boxes at once.
inline constexpr int16_t kRareEarthMode = 21;

struct CustomChartContext {
  CustomChartLayout& layout;
  ChartWriter& writer;
  const HoleRef& hole;
  int16_t mode = -1;
  long subNo = 502;

  const ChartColumn& Column(int index) const { return layout.columns[index]; }
  double Y(double depth) const { return hole.Y(depth); }
};

}  // namespace zv::chart
