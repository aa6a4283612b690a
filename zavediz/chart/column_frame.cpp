#include "zavediz/chart/column_frame.h"

namespace zv::chart {

void DrawColumnFrame(ChartContext& c, double x0, double x1, int16_t layer, double rightTop) {
  ChartWriter& w = c.writer;
  const double bottom = -c.state.holeLength;
  w.WriteChartLine(x1, rightTop, x1, bottom, 1, 1, x1 == c.state.frameWidth ? kOuter : kInner, layer);
  w.WriteChartLine(x0, kHeaderTop, x1, kHeaderTop, 1, 1, kOuter, layer);
  w.WriteChartLine(x0, 0, x1, 0, 1, 1, kInner, layer);
  w.WriteChartLine(x0, bottom, x1, bottom, 1, 1, kOuter, layer);
}

double PlacedY(const ChartContext& c, const std::string& recorded, const std::string& alternative) {
  return c.hole.Y(NumOf(c.state.CorrectedDepths() ? alternative : recorded));
}

}  // namespace zv::chart
