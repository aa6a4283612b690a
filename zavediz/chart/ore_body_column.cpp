#include "zavediz/chart/ore_body_column.h"

#include "zavediz/chart/column_frame.h"

namespace zv::chart {
namespace {

constexpr int kRow = 21;
constexpr int16_t kLayer = 12;
constexpr double kLeastBracket = 8.0;
// Asked as 0.15, which WriteChartLine stores as the inner weight.
constexpr double kBracketWidth = 0.15;

}  // namespace

int16_t OreFillColour(const std::string& oreType) {
  if (oreType == "1") return 175;
  if (oreType == "2") return 174;
  return 6;
}

void DrawOreBodyColumn(ChartContext& c) {
  const ChartState& s = c.state;
  ChartWriter& w = c.writer;
  ChartDb db(c.hole.dataSource);
  // Field 12 is read with the others and not shown.
  const auto ores = db.Query("drilore", sql::kDriloreColumn, {c.hole.mine, c.hole.hole},
                             {{2, 8}, {5, 7}, {6, 7}, {22, 7}, {23, 7}, {12}, {13, 40}, {14, 1}});
  const double x0 = s.L(kRow);
  const double x1 = s.R(kRow);
  for (const ChartRow& row : ores) {
    const double yT = PlacedY(c, row[1], row[3]);
    const double yB = PlacedY(c, row[2], row[4]);
    const double yM = (yT + yB) / 2;
    w.WriteChartNote(x0 + 3, yM - 2, row[0], 4, 4, 1, kLayer, 0, 0, 1);
    w.WriteChartNote(x0 + 10, yM, row[6], 4, 3, 1, kLayer, 0, 0, 1);
    const double t = yT - yB;
    if (t < kLeastBracket) {
      const double e = (kLeastBracket - t) / 2;
      const double yHigh = yT + e + 1;
      const double yLow = yB - e;
      w.WriteChartLine(x0, yT, x0 + 2, yHigh, 1, 1, kBracketWidth, kLayer);
      w.WriteChartLine(x0, yB, x0 + 2, yLow, 1, 1, kBracketWidth, kLayer);
      w.WriteChartLine(x0 + 2, yHigh, x1, yHigh, 1, 1, kBracketWidth, kLayer);
      w.WriteChartLine(x0 + 2, yLow, x1, yLow, 1, 1, kBracketWidth, kLayer);
    } else {
      w.WriteChartLine(x0, yT, x1, yT, 1, 1, kBracketWidth, kLayer);
      w.WriteChartLine(x0, yB, x1, yB, 1, 1, kBracketWidth, kLayer);
    }
    if (s.Option(kRow) == 0) w.WriteChartRegion(s.L(5), yT, s.R(5), yB, 0, OreFillColour(row[7]), kLayer, 0);
  }
  w.WriteChartNote(x0 + (s.Wd(kRow) - 20) / 2, 20.61, "#+矿体#-编号#=", 6, 6, 1, 0, 0, 0, 1);
  w.WriteChartNote(x0 + (s.Wd(kRow) - 4) / 2, 23.61, "/真厚度/品位/", 4, 4, 1, 0, 0, 0, 1);
  DrawColumnFrame(c, x0, x1, kLayer);
}

}  // namespace zv::chart
