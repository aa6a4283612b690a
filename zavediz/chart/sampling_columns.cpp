#include "zavediz/chart/sampling_columns.h"

#include <cmath>

#include "framework/text/numbers.h"
#include "zavediz/chart/column_frame.h"

namespace zv::chart {
namespace {

constexpr int kAnalysisRows[10] = {16, 17, 18, 19, 20, 26, 27, 28, 29, 30};
constexpr int16_t kLayer = 11;
constexpr double kRowHeight = 3.0;

// drilsamh fields: number, recorded top and bottom, core, the unused stored
// length and rate, elements 1 to 5, alternative top and bottom, elements 6
// to 10.
constexpr FieldSpec kSampleFields[] = {{2, 8},  {3, 7},  {4, 7},  {5, 7},  {6, 7},  {7, 7},  {14, 7}, {15, 7},
                                       {16, 7}, {17, 7}, {18, 7}, {22, 7}, {23, 7}, {24, 7}, {25, 7}, {26, 7},
                                       {27, 7}, {28, 7}};
enum { kNumber, kTop, kBottom, kCore, kAlternativeTop = 11, kAlternativeBottom = 12 };
constexpr int kElementField[10] = {6, 7, 8, 9, 10, 13, 14, 15, 16, 17};

bool ShowsValues(const ChartState& s, int row) { return s.columns[row].flag.starts_with("1"); }

// The rows' own grid: where the current row ends and the previous sample's
// true bottom.
class RowGrid {
 public:
  RowGrid(ChartWriter& w, double x0, double right) : w_(w), x0_(x0), right_(right) {}

  // Rules the sample's row; returns its top and bottom.
  std::pair<double, double> Place(double yFrom, double yTo) {
    double rowTop = rowBottom_;
    if (!previous_ || std::fabs(previousBottom_ - yFrom) >= 0.01) {
      rowTop = yFrom;
      Rule(yFrom);
      if (std::fabs(yTo - yFrom) < kRowHeight)
        Bend(yTo, yFrom - kRowHeight);
      else
        Straight(yTo);
    } else if (yTo > rowBottom_ - kRowHeight) {
      Bend(yTo, rowBottom_ - kRowHeight);
    } else {
      Straight(yTo);
    }
    previous_ = true;
    previousBottom_ = yTo;
    return {rowTop, rowBottom_};
  }

 private:
  void Rule(double y) { w_.WriteChartLine(x0_, y, right_, y, 1, 1, kInner, kLayer); }
  void Straight(double yTo) {
    Rule(yTo);
    rowBottom_ = yTo;
  }
  void Bend(double yTo, double b) {
    w_.WriteChartLine(x0_, yTo, x0_ + 1, b, 1, 1, kInner, kLayer);
    w_.WriteChartLine(x0_ + 1, b, right_ - 1, b, 1, 1, kInner, kLayer);
    w_.WriteChartLine(right_ - 1, b, right_, yTo, 1, 1, kInner, kLayer);
    rowBottom_ = b;
  }

  ChartWriter& w_;
  double x0_, right_;
  bool previous_ = false;
  double previousBottom_ = 0;
  double rowBottom_ = 0;
};

void DrawHeader(ChartContext& c, double right, const std::array<std::string, 20>& elements) {
  const ChartState& s = c.state;
  ChartWriter& w = c.writer;
  w.WriteChartLine(s.L(10), 36.89, right, 36.89, 1, 1, kInner, 0);
  w.WriteChartLine(s.L(11), 25.9, s.R(12), 25.9, 1, 1, kInner, 0);
  auto centred = [&](int k, double size) { return s.L(k) + (s.Wd(k) - size) / 2; };
  const struct {
    std::string text;
    double x, y;
    float spacing;
    uint8_t style;
  } texts[] = {
      {"采样情况", s.R(10), 40.42, 7.0f, 0},  {"样品编号", centred(10, 4), 33.55, 2.0f, 1},
      {"采样位置", s.L(11) + 1.42, 29.35, 0, 0}, {"自", centred(11, 4), 14.79, 0, 0},
      {"(m)", centred(11, 6), 3.91, 0, 0},      {"至", centred(12, 4), 14.79, 0, 0},
      {"(m)", centred(12, 6), 3.91, 0, 0},      {"样长", centred(13, 4), 33.55, 14.0f, 1},
      {"(m)", centred(13, 6), 3.91, 0, 0},      {"岩矿心长", centred(14, 4), 33.55, 2.0f, 1},
      {"(m)", centred(14, 6), 3.91, 0, 0},      {"采样率", centred(15, 4), 33.55, 5.0f, 1},
      {"(%)", centred(15, 6), 3.91, 0, 0},      {"分析结果", s.L(16) + (right - s.L(16)) / 2 - 8, 40.42, 0, 0},
  };
  for (const auto& t : texts) w.WriteChartNote(t.x, t.y, t.text, 4, 4, 1, 0, t.spacing, t.style, 1);
  for (int e = 0; e < 10; ++e) {
    const int k = kAnalysisRows[e];
    if (!ShowsValues(s, k)) continue;
    w.WriteChartNote(centred(k, 6), 20.61, elements[e], 4, 4, 1, 0, 0, 0, 1);
    w.WriteChartNote(centred(k, 6), 3.91, UnitCaption(elements[10 + e]), 4, 4, 1, 0, 0, 0, 1);
  }
}

}  // namespace

std::string UnitCaption(const std::string& unit) {
  if (unit.empty()) return {};
  return "(" + CutBytes(unit, 9) + ")";
}

double SamplingGroupRight(const ChartState& s) {
  auto lastPositive = [&](int from, int to) {
    for (int k = from; k >= to; --k)
      if (s.R(k) > 0) return s.R(k);
    return 0.0;
  };
  if (s.R(26) > 0) return lastPositive(30, 26);
  return lastPositive(20, 0);
}

void DrawSamplingColumns(ChartContext& c) {
  const ChartState& s = c.state;
  ChartWriter& w = c.writer;
  ChartDb db(c.hole.dataSource);
  const std::vector<std::string> key = {c.hole.mine, c.hole.hole};
  const auto samples = db.Query("drilsamh", sql::kDrilsamhSampling, key, kSampleFields);
  std::array<std::string, 20> elements;
  for (const ChartRow& row : db.Query("element", sql::kElement, {c.hole.mine},
                                      {{0, 10},  {1, 10},  {2, 10},  {3, 10},  {4, 10},  {5, 10},  {6, 10},
                                       {7, 10},  {8, 10},  {9, 10},  {10, 10}, {11, 10}, {12, 10}, {13, 10},
                                       {14, 10}, {15, 10}, {16, 10}, {17, 10}, {18, 10}, {19, 10}}))
    std::copy(row.begin(), row.end(), elements.begin());

  const double right = SamplingGroupRight(s);
  const double xs = s.R(5);
  RowGrid grid(w, s.L(10), right);
  bool toggle = false;
  for (const ChartRow& row : samples) {
    const double top = NumOf(row[kTop]);
    const double bottom = NumOf(row[kBottom]);
    const double core = NumOf(row[kCore]);
    const double length = bottom - top;
    const double yFrom = PlacedY(c, row[kTop], row[kAlternativeTop]);
    const double yTo = PlacedY(c, row[kBottom], row[kAlternativeBottom]);

    w.WriteChartRegion(xs, yFrom, xs + 1, yTo, 0, toggle ? 9 : 1, kLayer, 5);
    toggle = !toggle;
    w.WriteChartNote(xs + 1.5, (yFrom + yTo) / 2 - 1, row[kNumber], 2, 2, 1, kLayer, 0, 0, 1);

    const auto [rowTop, rowBottom] = grid.Place(yFrom, yTo);
    const double y = (rowTop + rowBottom) / 2 - 1.5;
    const std::string texts[] = {row[kNumber],     Fixed52(top), Fixed52(bottom), Fixed52(length), Fixed52(core),
                                 length != 0 ? Fixed52(core / length * 100) : std::string()};
    for (int k = 10; k <= 15; ++k) w.WriteChartNote(s.L(k) + 0.5, y, texts[k - 10], 3, 3, 1, kLayer, 0, 0, 1);
    for (int e = 0; e < 10; ++e) {
      const int k = kAnalysisRows[e];
      const double value = NumOf(row[kElementField[e]]);
      const std::string text = value > 0 && ShowsValues(s, k) ? num::Format("%6.2f", value) : std::string();
      w.WriteChartNote(s.L(k) + 0.5, y, text, 3, 3, 1, kLayer, 0, 0, 1);
    }
  }

  const double bottom = -s.holeLength;
  for (int k : {10, 11, 12, 13, 14, 15, 16, 17, 18, 19, 20, 26, 27, 28, 29, 30}) {
    if (!s.Draws(k)) continue;
    const double x0 = s.L(k);
    const double x1 = s.R(k);
    const bool outer = x1 == s.frameWidth;
    double top = 36.89;
    if (outer || k == 15 || std::fabs(x1 - right) < 0.0001)
      top = kHeaderTop;
    else if (k == 11)
      top = 25.9;
    w.WriteChartLine(x1, bottom, x1, top, 1, 1, outer ? kOuter : kInner, 2);
    w.WriteChartLine(x0, kHeaderTop, x1, kHeaderTop, 1, 1, kOuter, 2);
    w.WriteChartLine(x0, bottom, x1, bottom, 1, 1, kOuter, 2);
    w.WriteChartLine(x0, 0, x1, 0, 1, 1, kInner, 2);
  }
  DrawHeader(c, right, elements);
}

}  // namespace zv::chart
