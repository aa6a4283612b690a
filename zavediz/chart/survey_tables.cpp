#include "zavediz/chart/survey_tables.h"

#include <algorithm>
#include <vector>

#include "zavediz/chart/column_frame.h"

namespace zv::chart {
namespace {

constexpr double kMedium = 0.3;
constexpr double kPitch = 6.0;

struct HeadText {
  double x;
  double y;  // below B
  const char* text;
};

// One table: where its texts go, its frame lines, relative to B (y) and to
// its own origin (x).
struct TableLayout {
  const char* title;
  double titleX;
  std::vector<HeadText> heads;
  std::vector<double> leftValues;   // the four value columns' x
  std::vector<double> rightValues;  // the right block's, or empty
};

struct Rule {
  double x1, x2, y, width;
};

struct SurveyTable {
  int16_t layer;
  double origin;  // x the layout is relative to
  double B;
};

void Text(ChartWriter& w, const SurveyTable& t, double x, double y, const std::string& text, double size) {
  w.WriteChartNote(t.origin + x, y, text, size, size, 1, t.layer, 0, 0, 1);
}

void Horizontal(ChartWriter& w, const SurveyTable& t, double x1, double x2, double y, double width) {
  w.WriteChartLine(t.origin + x1, y, t.origin + x2, y, 1, 1, width, t.layer);
}

void Vertical(ChartWriter& w, const SurveyTable& t, double x, double yTop, double yBottom, double width) {
  w.WriteChartLine(t.origin + x, yTop, t.origin + x, yBottom, 1, 1, width, t.layer);
}

// Row lines every 6 mm from B − 38 down to `to` (inclusive).
void RowLines(ChartWriter& w, const SurveyTable& t, double x1, double x2, double to) {
  for (double y = t.B - 38; y >= to - 0.0001; y -= kPitch) Horizontal(w, t, x1, x2, y, kInner);
}

// The values of each row: one block, or left and right blocks split after
// `perBlock` rows with the right block's rows continuing past the frame.
void DrawValues(ChartWriter& w, const SurveyTable& t, const TableLayout& layout,
                const std::vector<std::vector<std::string>>& rows, std::size_t perBlock) {
  for (std::size_t k = 0; k < rows.size(); ++k) {
    const bool right = !layout.rightValues.empty() && k >= perBlock;
    const double offset = kPitch * static_cast<double>(right ? k - perBlock : k);
    const std::vector<double>& xs = right ? layout.rightValues : layout.leftValues;
    for (std::size_t f = 0; f < xs.size(); ++f) Text(w, t, xs[f], t.B - 42.5 - offset, rows[k][f], 3);
  }
}

void DrawHeads(ChartWriter& w, const SurveyTable& t, const TableLayout& layout) {
  for (const HeadText& head : layout.heads) Text(w, t, head.x, t.B - head.y, head.text, 4);
}

void DrawTitle(ChartWriter& w, const SurveyTable& t, const TableLayout& layout) {
  Text(w, t, layout.titleX, t.B - 20, layout.title, 7);
}

std::vector<std::vector<std::string>> DeviationRows(ChartDb& db, const ChartContext& c) {
  std::vector<std::vector<std::string>> rows;
  for (ChartRow& row : db.Query("drilmeas", sql::kDrilmeas, {c.hole.mine, c.hole.hole}, {{2, 4}, {3, 7}, {4, 10}, {5, 10}})) {
    row[1] = Fixed52(row[1]);
    rows.push_back(std::move(row));
  }
  return rows;
}

std::vector<std::vector<std::string>> CheckRows(ChartDb& db, const ChartContext& c) {
  std::vector<std::vector<std::string>> rows;
  for (const ChartRow& row : db.Query("drilmeam", sql::kDrilmeam, {c.hole.mine, c.hole.hole}, {{1, 3}, {2, 7}, {3, 7}}))
    rows.push_back({row[0], Fixed52(row[1]), Fixed52(row[2]), CutBytes(Fixed52(NumOf(row[2]) - NumOf(row[1])), 7)});
  return rows;
}

const char* const kDeviationTitle = "钻孔弯曲度测量结果表";
const char* const kCheckTitle = "孔深测量检查结果表";

}  // namespace

std::size_t SurveyRowCount(ChartDb& db, const HoleRef& hole) {
  const std::vector<std::string> key = {hole.mine, hole.hole};
  return std::max(db.Count("drilmeas", sql::kDrilmeasCount, key), db.Count("drilmeam", sql::kDrilmeamCount, key));
}

double WideTableBottom(std::size_t rows) { return rows < 15 ? -80 : -98; }

void DrawNarrowHoleDeviationTable(ChartContext& c) {
  ChartWriter& w = c.writer;
  const SurveyTable t{3, 0, -c.state.holeLength};
  const TableLayout layout{kDeviationTitle, 12.4,
                           {{3, 33, "测量次序"}, {28, 33, "深度(m)"}, {54, 33, "天顶角"}, {77, 33, "方位角"}},
                           {10, 31, 56, 77}, {}};
  ChartDb db(c.hole.dataSource);
  DrawValues(w, t, layout, DeviationRows(db, c), 0);
  DrawTitle(w, t, layout);
  DrawHeads(w, t, layout);
  const double B = t.B;
  Horizontal(w, t, 0, 96, B - 24, kMedium);
  Horizontal(w, t, 0, 96, B - 98, kMedium);
  RowLines(w, t, 0, 96, B - 92);
  Horizontal(w, t, 0, 96, B - 98, kMedium);
  for (const auto& [x, width] : {std::pair{0.0, kMedium}, {24.0, kInner}, {48.0, kInner}, {72.0, kInner}, {96.0, kMedium}})
    Vertical(w, t, x, B - 24, B - 98, width);
}

void DrawNarrowDepthCheckTable(ChartContext& c) {
  ChartWriter& w = c.writer;
  const SurveyTable t{4, c.state.chartWidth / 2.0, -c.state.holeLength};
  const TableLayout layout{kCheckTitle, -31,
                           {{-43, 30, "检  查"}, {-43, 36, "次  序"}, {-20, 30, "记录孔深"}, {-20, 36, "  (m) "},
                            {1, 30, "校测孔深"}, {3, 36, "  (m) "}, {27, 30, "误 差 值"}, {27, 36, "  (m)  "}},
                           {-38, -16, 7, 30}, {}};
  ChartDb db(c.hole.dataSource);
  DrawValues(w, t, layout, CheckRows(db, c), 0);
  DrawTitle(w, t, layout);
  DrawHeads(w, t, layout);
  const double B = t.B;
  Horizontal(w, t, -48, 48, B - 24, kMedium);
  RowLines(w, t, -48, 48, B - 92);
  Horizontal(w, t, -48, 48, B - 98, kMedium);
  for (const auto& [x, width] : {std::pair{-48.0, kMedium}, {48.0, kMedium}, {24.0, kInner}, {-24.0, kInner}, {0.0, kInner}})
    Vertical(w, t, x, B - 24, B - 98, width);
}

void DrawHoleDeviationTable(ChartContext& c) {
  ChartWriter& w = c.writer;
  const SurveyTable t{3, 0, -c.state.holeLength};
  ChartDb db(c.hole.dataSource);
  const std::size_t n = SurveyRowCount(db, c.hole);
  const std::size_t perBlock = n < 15 ? 7 : 10;
  const double B = t.B;
  const double Bb = B + WideTableBottom(n);
  const TableLayout layout{kDeviationTitle, 36,
                           {{1, 33, "测量次序"}, {18, 33, "深度(m)"}, {35, 33, "天顶角"}, {52, 33, "方位角"},
                            {73, 33, "测量次序"}, {90, 33, "深度(m)"}, {107, 33, "天顶角"}, {124, 33, "方位角"}},
                           {5, 21, 37, 53}, {77, 93, 109, 125}};
  DrawValues(w, t, layout, DeviationRows(db, c), perBlock);
  DrawTitle(w, t, layout);
  DrawHeads(w, t, layout);
  Horizontal(w, t, 0, 140, B - 24, kMedium);
  Horizontal(w, t, 0, 140, Bb, kMedium);
  RowLines(w, t, 0, 68, Bb + kPitch);
  Horizontal(w, t, 0, 68, Bb, n < 15 ? kInner : kMedium);
  RowLines(w, t, 72, 140, Bb);
  for (double x : {0.0, 17.0, 34.0, 51.0, 68.0, 72.0, 89.0, 106.0, 123.0, 140.0})
    Vertical(w, t, x, B - 24, Bb, x == 0 || x == 140 ? kMedium : kInner);
}

void DrawDepthCheckTable(ChartContext& c) {
  ChartWriter& w = c.writer;
  const SurveyTable t{4, c.state.chartWidth / 2.0, -c.state.holeLength};
  ChartDb db(c.hole.dataSource);
  const std::size_t n = SurveyRowCount(db, c.hole);
  const std::size_t perBlock = n < 15 ? 7 : 10;
  const double B = t.B;
  const double Bb = B + WideTableBottom(n);
  const TableLayout layout{
      kCheckTitle, -8.5,
      {{-46.5, 30, "检  查"}, {-46.5, 36, "次  序"}, {-30.5, 30, "记录孔深"}, {-30, 36, "  (m) "},
       {-13.5, 30, "校测孔深"}, {-13.5, 36, "  (m) "}, {3.5, 30, "误 差 值"}, {3.5, 36, "  (m)  "},
       {25.5, 30, "检  查"}, {25.5, 36, "次  序"}, {41.5, 30, "记录孔深"}, {41.5, 36, "  (m)  "},
       {58.5, 30, "校测孔深"}, {58.5, 36, "  (m)  "}, {75.5, 30, "误 差 值"}, {75.5, 36, "  (m) "}},
      {-42.5, -28.5, -11.5, 6.5}, {29.5, 41.5, 58.5, 76.5}};
  DrawValues(w, t, layout, CheckRows(db, c), perBlock);
  DrawHeads(w, t, layout);
  DrawTitle(w, t, layout);
  Horizontal(w, t, -48.5, 91.5, Bb, kMedium);
  Horizontal(w, t, -48.5, 91.5, B - 24, kMedium);
  Horizontal(w, t, -48.5, 91.5, B - 80, kInner);
  RowLines(w, t, -48.5, 19.5, Bb);
  RowLines(w, t, 23.5, 91.5, Bb);
  for (double x : {-48.5, -31.5, -14.5, 2.5, 19.5, 23.5, 40.5, 57.5, 74.5, 91.5})
    Vertical(w, t, x, B - 24, Bb, x == -48.5 || x == 91.5 ? kMedium : kInner);
}

}  // namespace zv::chart
