#include "zavediz/chart/strata_columns.h"

#include <cmath>

#include "framework/text/numbers.h"

namespace zv::chart {
namespace {

constexpr double kThick = 1.0;   // stored 0.5
constexpr double kThin = 0.2;    // stored 0.1
constexpr int16_t kSolid = 1;
constexpr int16_t kBlack = 1;
constexpr int16_t kColumnLayer = 2;
constexpr int16_t kHeaderLayer = 0;

// A row's depth pair and its y: every query here reads the recorded pair as
// fields 0 and 1 and the corrected pair as 2 and 3; row 5's option 1 takes
// the corrected one.
struct Span {
  double from, to;  // metres
  double yF, yT;    // paper
};
Span SpanOf(const ChartContext& c, const ChartRow& row) {
  const int at = c.state.CorrectedDepths() ? 2 : 0;
  const double from = NumOf(row[at]);
  const double to = NumOf(row[at + 1]);
  return {from, to, c.hole.Y(from), c.hole.Y(to)};
}

bool AtLeftEdge(const ChartState& state, int row) { return IntOf(state.columns[row].left) == 0; }

void Caption(ChartWriter& w, double x, double y, const char* text, float spacing, uint8_t style) {
  w.WriteChartNote(x, y, text, 4.0, 4.0, kBlack, kHeaderLayer, spacing, style, 1);
}

void Line(ChartWriter& w, double x1, double y1, double x2, double y2, double width, int16_t layer) {
  w.WriteChartLine(x1, y1, x2, y2, kSolid, kBlack, width, layer);
}

// The header cell's lines of a column running from `left` to `right`.
void HeaderCell(ChartContext& c, double left, double right, bool leftBorder) {
  ChartWriter& w = c.writer;
  Line(w, left, kHeaderTop, right, kHeaderTop, kThick, kHeaderLayer);
  if (leftBorder) Line(w, left, kHeaderTop, left, 0, kThick, kHeaderLayer);
  Line(w, right, kHeaderTop, right, 0, right == c.state.frameWidth ? kThick : kThin, kHeaderLayer);
}

}  // namespace

void DrawStrataCodeColumn(ChartContext& c) {
  const ChartState& s = c.state;
  ChartWriter& w = c.writer;
  ChartDb db(c.hole.dataSource);
  const auto layers = db.Query("drilgeo2", sql::kDrilgeo2, {c.hole.mine, c.hole.hole}, {{9, 8}, {10, 8}, {24, 8}, {25, 8}});
  const auto strata = db.Query("geolayercolor", sql::kGeolayercolor, {c.hole.mine, c.hole.hole},
                               {{1, 8}, {2, 8}, {13, 8}, {14, 8}, {3, 21}});
  const double left = s.L(31);
  const double right = s.R(31);
  for (const ChartRow& row : layers) {
    const Span d = SpanOf(c, row);
    const double yF = d.yF;
    const double yT = d.yT;
    if (AtLeftEdge(s, 31)) Line(w, left, yT, left, yF, kThick, kColumnLayer);
    if (right == s.frameWidth)
      Line(w, right, yT, right, yF, kThick, kColumnLayer);
    else
      Line(w, s.L(0), yT, s.L(0), yF, kThin, kColumnLayer);
  }
  for (const ChartRow& row : strata) {
    const Span d = SpanOf(c, row);
    const double yF = d.yF;
    const double yT = d.yT;
    w.WriteChartNote(left + 1.0, (yT - yF) * 0.5 + yF, row[4], 3.0, 2.5, kBlack, kColumnLayer, 0, 0, 1);
    if (std::fabs(yT + s.holeLength) >= 0.0001) Line(w, left, yT, right, yT, kThin, kColumnLayer);
  }
  Caption(w, left + (s.Wd(31) - 4.0) * 0.5, 41.0, "地层代号", 6.4f, 1);
  HeaderCell(c, left, right, AtLeftEdge(s, 31));
}

void DrawLayerTable(ChartContext& c) {
  const ChartState& s = c.state;
  ChartWriter& w = c.writer;
  ChartDb db(c.hole.dataSource);
  const auto layers = db.Query("drilgeo2", sql::kDrilgeo2, {c.hole.mine, c.hole.hole},
                               {{9, 8}, {10, 8}, {24, 8}, {25, 8}, {11, 8}, {6, 5}});
  const double pushGap = s.S(5) + 1.0;
  double yP = 0.0;
  for (const ChartRow& row : layers) {
    const Span d = SpanOf(c, row);
    const double yF = d.yF;
    const double yT = d.yT;
    double yA = yT;
    if (yP == 0.0) {
      Line(w, s.L(0), yT, s.R(4), yT, kThin, kColumnLayer);
    } else if (std::fabs(yT - yP) >= pushGap) {
      w.WriteChartCurveSegment(s.L(0), yT, s.R(4), yT, kSolid, kBlack, kColumnLayer);
    } else {
      yA = yP - pushGap;
      w.WriteChartCurveSegment(s.L(0), yA, s.R(4) - 1.0, yA, kSolid, kBlack, kColumnLayer);
      w.WriteChartCurveSegment(s.R(4), yT, s.R(4) - 1.0, yA, kSolid, kBlack, kColumnLayer);
    }
    const double thickness = d.to - d.from;
    const double core = NumOf(row[4]);
    const std::string recovery = thickness != 0 ? Fixed52(core / thickness * 100) : std::string();
    const double depthWidth = d.to >= 1000 ? 2.5 : s.S(5);
    const double yText = yA + 0.5;
    w.WriteChartNote(s.L(1) + 0.5, yText, Fixed52(d.to), s.S(5), depthWidth, kBlack, kColumnLayer, 0, 0, 1);
    w.WriteChartNote(s.L(2) + 0.5, yText, Fixed52(thickness), s.S(6), s.S(6), kBlack, kColumnLayer, 0, 0, 1);
    w.WriteChartNote(s.L(3) + 0.5, yText, Fixed52(core), s.S(7), s.S(7), kBlack, kColumnLayer, 0, 0, 1);
    w.WriteChartNote(s.L(4) + 0.5, yText, recovery, s.S(9), s.S(9), kBlack, kColumnLayer, 0, 0, 1);
    w.WriteChartNote(s.L(0) + (s.Wd(0) - 4.0) * 0.5, yText, row[5], s.S(10), s.S(10), kBlack, kColumnLayer, 0, 0,
                     1);
    if (AtLeftEdge(s, 0)) Line(w, s.L(0), yT, s.L(0), yF, kThick, kColumnLayer);
    for (int k = 0; k <= 4; ++k) {
      if (!s.Draws(k)) continue;
      if (k == 4 && s.R(4) == s.frameWidth)
        Line(w, s.R(4), yT, s.R(4), yF, kThick, kColumnLayer);
      else
        Line(w, s.R(k), yT, s.R(k), yF, kThin, kColumnLayer);
    }
    yP = yA;
  }

  Caption(w, s.L(0) + (s.Wd(0) - 4.0) * 0.5, 41.0, "层号", 27.2f, 1);
  Caption(w, s.L(1) + 3.66, 40.42, "分层情况", 4.0f, 0);
  const struct {
    int row;
    const char* text;
    float spacing;
    const char* unit;
  } subColumns[] = {{1, "孔深", 14.0f, "(m)"}, {2, "层厚", 14.0f, "(m)"}, {3, "岩矿心长", 2.0f, "(m)"}, {4, "采取率", 5.0f, "(%)"}};
  for (const auto& sub : subColumns) {
    Caption(w, s.L(sub.row) + (s.Wd(sub.row) - 4.0) * 0.5, 33.35, sub.text, sub.spacing, 1);
    Caption(w, s.L(sub.row) + (s.Wd(sub.row) - 6.0) * 0.5, 4.11, sub.unit, 0, 0);
  }

  Line(w, s.L(0), kHeaderTop, s.R(4), kHeaderTop, kThick, kHeaderLayer);
  if (AtLeftEdge(s, 0)) Line(w, s.L(0), kHeaderTop, s.L(0), 0, kThick, kHeaderLayer);
  Line(w, s.R(0), kHeaderTop, s.R(0), 0, kThin, kHeaderLayer);
  Line(w, s.R(4), kHeaderTop, s.R(4), 0, s.R(4) == s.frameWidth ? kThick : kThin, kHeaderLayer);
  Line(w, s.L(1), 36.89, s.R(4), 36.89, kThin, kHeaderLayer);
  for (int k = 1; k <= 3; ++k) Line(w, s.R(k), 36.89, s.R(k), 0, kThin, kHeaderLayer);
  w.ResetCurve();
}

void DrawLithologySampleColumn(ChartContext& c) {
  const ChartState& s = c.state;
  ChartWriter& w = c.writer;
  ChartDb db(c.hole.dataSource);
  const std::vector<std::string> key = {c.hole.mine, c.hole.hole};
  const auto layers =
      db.Query("drilgeo2", sql::kDrilgeo2, key, {{9, 8}, {10, 8}, {24, 8}, {25, 8}, {4, 5}, {8, 3}, {15, 5}});
  const auto strata = db.Query("geolayercolor", sql::kGeolayercolor, key, {{1, 8}, {2, 8}, {13, 8}, {14, 8}, {4, 5}});
  const auto samples = db.Query("drilsamh", sql::kDrilsamh, key, {{3, 8}, {4, 8}, {22, 8}, {23, 8}, {2, 9}});
  const auto ores = db.Query("drilore", sql::kDrilore, key, {{5, 8}, {6, 8}, {22, 8}, {23, 8}, {14, 2}});
  const double left = s.L(5);
  const double right = s.R(5);

  for (const ChartRow& row : layers) {
    const Span d = SpanOf(c, row);
    const double yF = d.yF;
    const double yT = d.yT;
    const int kind = IntOf(row[6]);
    if (kind < 1)
      w.WriteChartLine(left, yT, right, yT, kSolid, kBlack, 0.25, kColumnLayer);
    else
      w.WriteChartStyledLine(left, yT, right, yT, static_cast<int16_t>(kind), kind == 80 ? 6 : 1, 0.25,
                             kColumnLayer, 3, 3);
    const int pattern = IntOf(row[4]);
    w.WriteChartRegion(left, yF, right, yT, static_cast<int16_t>(pattern), pattern == 200 ? 1 : 9, kColumnLayer,
                       static_cast<int16_t>(IntOf(row[5])));
    if (s.CorrectedDepths()) {
      const double stated = NumOf(row[1]) - NumOf(row[0]);
      if (stated - (d.to - d.from) > 0.1)
        w.WriteChartSymbol(left, (yF + yT) * 0.5 + 2.0, "", 10.0f, static_cast<float>(2 * s.Wd(5)),
                           static_cast<int32_t>(s.subNo), kColumnLayer);
    }
    Line(w, s.R(6), yT, s.R(6), yF, right == s.frameWidth ? kThick : kThin, kColumnLayer);
  }

  int n = 0;
  for (const ChartRow& row : samples) {
    const Span d = SpanOf(c, row);
    const double yF = d.yF;
    const double yT = d.yT;
    w.WriteChartRegion(right, yF, right + 1.0, yT, 0, n++ % 2 == 0 ? 1 : 9, 11, 5);
    w.WriteChartNote(right + 1.5, (yF + yT) * 0.5 - 1.0, row[4], 2.0, 2.0, kBlack, 11, 0, 0, 1);
  }

  for (const ChartRow& row : strata) {
    if (row[4].empty()) continue;
    const Span d = SpanOf(c, row);
    w.WriteChartRegion(left, d.yF, right, d.yT, 0, static_cast<int16_t>(IntOf(row[4])), 9, 0);
  }

  if (s.Option(21) == 0) {
    for (const ChartRow& row : ores) {
      const Span d = SpanOf(c, row);
      const int kind = IntOf(row[4]);
      w.WriteChartRegion(left, d.yF, right, d.yT, 0, kind == 1 ? 175 : kind == 2 ? 174 : 6,
                         12, 0);
    }
  }

  Caption(w, left + (s.Wd(5) - 2.0) * 0.5, 41.0, "柱状图", 8.6f, 1);
  Caption(w, left + (s.Wd(5) - 9.0) * 0.5, 4.11, ("1 ∶" + num::Format("%3.0f", c.hole.scaleFactor * 200.0)).c_str(),
          0, 0);
  Line(w, s.R(4), kHeaderTop, s.R(6), kHeaderTop, kThick, kHeaderLayer);
  if (AtLeftEdge(s, 5)) Line(w, left, kHeaderTop, left, 0, kThick, kHeaderLayer);
  Line(w, s.R(6), kHeaderTop, s.R(6), 0, s.R(6) == s.frameWidth ? kThick : kThin, kHeaderLayer);
}

}  // namespace zv::chart
