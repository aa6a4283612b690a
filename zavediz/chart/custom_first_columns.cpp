#include "zavediz/chart/custom_first_columns.h"

#include <algorithm>
#include <cmath>
#include <vector>

#include "framework/text/numbers.h"
#include "zavediz/chart/custom_chart_utils.h"

namespace zv::chart {
namespace {

constexpr int16_t kColumnLayer = 2;
constexpr double kBoundary = 0.2;  // inner width
constexpr double kEdge = 0.1;      // inner width

void DrawRightEdge(CustomChartContext& chart, const ChartColumn& column) {
  chart.writer.WriteChartLine(column.Right(), 0, column.Right(), -chart.layout.chartDepth, 1, 1, kEdge, kColumnLayer);
}

// What a strata column shows, by its index 1 .. 6: the parameter row of its
// text size; the designation column centres a 4 mm label.
struct StrataColumn {
  int sizeRow;
  bool centred;
};
constexpr StrataColumn kStrataColumns[7] = {{0, false}, {10, true}, {5, false}, {5, false},
                                            {6, false}, {7, false}, {9, false}};
constexpr int kDepthSizeRow = 5;
constexpr int kTickColumn = 6;

struct StrataRow {
  std::string designation;
  double top, bottom, core, correctedTop, correctedBottom;
};

std::string StrataLabel(const StrataRow& row, int index, bool corrected, int decimals, double* depth) {
  const double thickness = row.bottom - row.top;
  *depth = 0;
  switch (index) {
    case 1: return row.designation;
    case 2: *depth = corrected ? row.correctedTop : row.top; return FormatColumnNumber(*depth, decimals);
    case 3: *depth = corrected ? row.correctedBottom : row.bottom; return FormatColumnNumber(*depth, decimals);
    case 4: return FormatColumnNumber(thickness, decimals);
    case 5: return FormatColumnNumber(row.core, decimals);
    default:
      // A layer without length has no recovery.
      return thickness == 0 ? std::string() : FormatColumnNumber(row.core / thickness * 100, decimals);
  }
}

struct LayerBox {
  double x0, y0, x1, y1;
  int32_t colour;
  bool Holds(double x, double y) const {
    return x >= std::min(x0, x1) && x <= std::max(x0, x1) && y >= std::min(y0, y1) && y <= std::max(y0, y1);
  }
};

int32_t OreColour(const std::string& kind, bool rareEarth) {
  if (kind == "1") return 175;
  if (kind == "2") return 174;
  return rareEarth ? 262 : 6;
}

}  // namespace

void DrawLayerNameColumn(CustomChartContext& chart, int index) {
  const ChartColumn& column = chart.Column(index);
  const bool corrected = chart.layout.Corrected();
  ChartDb db(chart.hole.dataSource);
  const auto rows = db.Query("geolayercolor", sql::kGeolayercolor, {chart.hole.mine, chart.hole.hole},
                             {{1, 0}, {2, 0}, {3, 20}, {13, 0}, {14, 0}});
  const bool named = column.Int(ChartColumn::kShown) == 1;
  for (const ChartRow& row : rows) {
    const double yTop = chart.Y(NumOf(row[corrected ? 3 : 0]));
    const double yBottom = chart.Y(NumOf(row[corrected ? 4 : 1]));
    if (!named) continue;
    chart.writer.WriteChartNote(column.Left() + 1.0, (yTop + yBottom) / 2, row[2], 3.0, 2.5, 1, kColumnLayer, 0.0f,
                                0, 1);
    if (std::fabs(yBottom + chart.layout.chartDepth) >= 0.0001)
      chart.writer.WriteChartLine(column.Left(), yBottom, column.Right(), yBottom, 1, 1, kBoundary, kColumnLayer);
  }
  DrawRightEdge(chart, column);
}

void DrawStrataColumns(CustomChartContext& chart, int index) {
  if (index < 1 || index > 6) return;
  const ChartColumn& column = chart.Column(index);
  const CustomChartLayout& layout = chart.layout;
  const bool corrected = layout.Corrected();
  const int decimals = column.Int(ChartColumn::kDecimals);
  const double step = layout.params[kDepthSizeRow].Size() + 1.0;
  const double size = layout.params[kStrataColumns[index].sizeRow].Size();
  const double left = column.Left(), right = column.Right();
  const double tickRight = chart.Column(kTickColumn).Right();
  ChartDb db(chart.hole.dataSource);
  const auto rows = db.Query("drilgeo2", sql::kDrilgeo2, {chart.hole.mine, chart.hole.hole},
                             {{6, 4}, {9, 0}, {10, 0}, {11, 0}, {24, 0}, {25, 0}});
  bool first = true;
  double prevY = 0;
  for (const ChartRow& r : rows) {
    const StrataRow row{r[0], NumOf(r[1]), NumOf(r[2]), NumOf(r[3]), NumOf(r[4]), NumOf(r[5])};
    const double yB = chart.Y(corrected ? row.correctedBottom : row.bottom);
    double yT = yB;
    if (first) {
      chart.writer.WriteChartLine(left, yB, right, yB, 1, 1, kBoundary, kColumnLayer);
    } else if (std::fabs(yB - prevY) >= step) {
      chart.writer.WriteChartCurveSegment(left, yB, right, yB, 1, 1, kColumnLayer);
    } else {
      yT = prevY - step;
      const bool ticked = index == kTickColumn;
      if (ticked) chart.writer.WriteChartCurveSegment(tickRight - 1.0, yT, tickRight, yB, 1, 1, kColumnLayer);
      chart.writer.WriteChartCurveSegment(left, yT, right - (ticked ? 1.0 : 0.0), yT, 1, 1, kColumnLayer);
    }
    double depth = 0;
    const std::string label = TrimLeadingBlanks(StrataLabel(row, index, corrected, decimals, &depth));
    const double x = kStrataColumns[index].centred ? left + (column.Width() - 4.0) / 2 : left + 0.5;
    const double width = (index == 2 || index == 3) && depth >= 1000 ? 2.5 : size;
    chart.writer.WriteChartNote(x, yT + 0.5, label, size, width, 1, kColumnLayer, 0.0f, 0, 1);
    prevY = yT;
    first = false;
  }
  DrawRightEdge(chart, column);
}

void DrawLithologyColumn(CustomChartContext& chart, int index) {
  const ChartColumn& column = chart.Column(index);
  const CustomChartLayout& layout = chart.layout;
  const bool corrected = layout.Corrected();
  const double left = column.Left(), right = column.Right();
  const HoleRef& hole = chart.hole;
  ChartDb db(hole.dataSource);

  std::vector<LayerBox> boxes;
  for (const ChartRow& row : db.Query("geolayercolor", sql::kGeolayercolor, {hole.mine, hole.hole},
                                      {{1, 0}, {2, 0}, {4, 4}, {13, 0}, {14, 0}})) {
    if (row[2].empty()) continue;
    boxes.push_back({left, chart.Y(NumOf(row[corrected ? 4 : 1])), right, chart.Y(NumOf(row[corrected ? 3 : 0])),
                     IntOf(row[2])});
  }
  if (layout.OptionOf(layout.f1ColIndex) == 1) {
    const bool rareEarth = chart.mode == kRareEarthMode;
    for (const ChartRow& row : db.Query("drilore", sql::kDrilore, {hole.mine, hole.hole},
                                        {{5, 0}, {6, 0}, {14, 1}, {22, 0}, {23, 0}})) {
      const double yTop = chart.Y(NumOf(row[corrected ? 3 : 0]));
      const double yBottom = chart.Y(NumOf(row[corrected ? 4 : 1]));
      const int32_t colour = OreColour(row[2], rareEarth);
      if (rareEarth)
        chart.writer.WriteChartRegion(left, yTop, right, yBottom, 0, static_cast<int16_t>(colour), kColumnLayer, 0);
      else
        boxes.push_back({left, yBottom, right, yTop, colour});
    }
  }

  for (const ChartRow& row : db.Query("drilgeo2", sql::kDrilgeo2, {hole.mine, hole.hole},
                                      {{4, 4}, {8, 2}, {9, 0}, {10, 0}, {15, 4}, {24, 0}, {25, 0}})) {
    const double top = NumOf(row[2]);
    const double bottom = NumOf(Fixed52(row[3]));
    const double correctedTop = NumOf(row[5]), correctedBottom = NumOf(row[6]);
    const double yTop = chart.Y(corrected ? correctedTop : top);
    const double yBottom = chart.Y(corrected ? correctedBottom : bottom);
    const int16_t type = static_cast<int16_t>(IntOf(row[4]));
    if (type > 0)
      chart.writer.WriteChartStyledLine(left, yBottom, right, yBottom, type, type == 80 ? 6 : 1, 0.25, kColumnLayer,
                                        3, 3);
    else
      chart.writer.WriteChartLine(left, yBottom, right, yBottom, 1, 1, 0.25, kColumnLayer);
    const int16_t pattern = static_cast<int16_t>(IntOf(row[0]));
    const double cx = (left + right) / 2, cy = (yTop + yBottom) / 2;
    int32_t colour = 9;
    for (const LayerBox& box : boxes)
      if (box.Holds(cx, cy)) colour = box.colour;
    if (pattern == 200) colour = 1;
    chart.writer.WriteChartRegion(left, yTop, right, yBottom, pattern, static_cast<int16_t>(colour), kColumnLayer,
                                  static_cast<int16_t>(IntOf(row[1])));
    if (corrected && (bottom - top) - (correctedBottom - correctedTop) > 0.1)
      chart.writer.WriteChartSymbol(left, cy + 2.0, "", 10.0f, static_cast<float>(2 * column.Width()),
                                    static_cast<int32_t>(chart.subNo), kColumnLayer);
  }
  chart.writer.WriteChartNote(left + (column.Width() - 9.0) / 2, 4.11,
                              "1 ∶" + num::Format("%3.0f", hole.scaleFactor * 200.0), 4.0, 4.0, 0, 0, 0.0f, 0, 1);
}

}  // namespace zv::chart
