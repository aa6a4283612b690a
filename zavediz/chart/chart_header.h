#pragma once
// The chart's header block: the title and eleven rows of the hole's data,
// drawn above y = 0 (texts only). DrawChartHeader also names the hole
// (holeName = zkinfok column 0, empty for a hole not in zkinfok).

#include <string>

#include "zavediz/chart/chart_primitives.h"
#include "zavediz/chart/chart_state.h"

namespace zv::chart {

// "终 孔 倾 角: " and the hole's inclination (90° less the stored final
// angle "d°m′s″" or plain degrees), rounded to the second; an empty stored
// angle gives the caption alone.
std::string InclinationText(const std::string& stored);
// An angle in degrees as "d°m′s″", rounded to whole seconds, zero parts
// left out (empty for 0).
std::string DegreesMinutesSeconds(double angle);
// "终 孔 方 位: " and the azimuth, with "°" added when it has none.
std::string AzimuthText(const std::string& stored);

// The title's character size and spacing: shrunk until a title of `bytes`
// GBK bytes fits chartWidth − 100 (spacing first, then size, never below a
// size of 2 mm).
struct TitleFit {
  double height = 15.0;
  double spacing = 2.0;
};
TitleFit FitTitle(std::size_t bytes, double chartWidth);

void DrawChartHeader(ChartState& state, ChartWriter& writer, const std::string& dataSource,
                     const std::string& mine, const std::string& hole);

}  // namespace zv::chart
