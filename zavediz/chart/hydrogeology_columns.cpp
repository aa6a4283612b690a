#include "zavediz/chart/hydrogeology_columns.h"

#include <algorithm>
#include <cmath>

#include "zavediz/chart/column_frame.h"
#include "zavediz/chart/description_column.h"

namespace zv::chart {
namespace {

enum { kBoxes = 22, kCurve = 23, kNotes = 24, kRemarks = 25 };
constexpr int kSizeRow = 4;
constexpr int kFontRow = 16;
constexpr int16_t kLayer = 2;
constexpr double kAxisWidth = 0.25;

struct Interval {
  double yFrom, yTo;
  std::string value;
};

struct Column {
  double left, right, width;
};

Column ColumnOf(const ChartState& s, int row) { return {s.L(row), s.R(row), s.Wd(row)}; }

// drilhydr01 to 03: from and to (fields 2 and 3, or 7 and 8), and field 4.
std::vector<Interval> ReadIntervals(ChartDb& db, const ChartContext& c, const char* table, const char* sql,
                                    std::size_t valueWidth) {
  std::vector<Interval> intervals;
  for (const ChartRow& row :
       db.Query(table, sql, {c.hole.mine, c.hole.hole}, {{2, 7}, {3, 7}, {7, 7}, {8, 7}, {4, valueWidth}}))
    intervals.push_back({PlacedY(c, row[0], row[2]), PlacedY(c, row[1], row[3]), row[4]});
  return intervals;
}

HydrogeologyText TextOf(const std::vector<ChartRow>& parameters) {
  HydrogeologyText text;
  if (parameters.size() > kSizeRow) {
    text.size = NumOf(parameters[kSizeRow][5]);
    text.spacing = NumOf(parameters[kSizeRow][6]);
    text.lineGap = NumOf(parameters[kSizeRow][7]);
  }
  if (parameters.size() > kFontRow) text.font = static_cast<int16_t>(IntOf(parameters[kFontRow][3]));
  return text;
}

struct Level {
  double y;
  double a, b;
};

void DrawCurve(ChartContext& c, const std::vector<Level>& levels) {
  ChartWriter& w = c.writer;
  // The range over both levels of every row, as its labels show it.
  double lo = levels.empty() ? 0 : levels.front().a;
  double hi = levels.empty() ? 0 : levels.front().b;
  for (const Level& l : levels) {
    lo = std::min({lo, l.a, l.b});
    hi = std::max({hi, l.a, l.b});
  }
  const std::string loText = Fixed52(lo);
  const std::string hiText = Fixed52(hi);
  const std::string midText = Fixed52(lo + (hi - lo) / 2);
  lo = NumOf(loText);
  hi = NumOf(hiText);
  const float range = static_cast<float>(hi - lo);

  const Column col = ColumnOf(c.state, kCurve);
  auto x = [&](double level) {
    return range == 0 ? col.left + col.width / 2 : col.left + 2 + (col.width - 4) * (level - lo) / range;
  };
  std::vector<D_DOT> a, b;
  for (const Level& l : levels) {
    a.push_back({x(l.a), l.y});
    b.push_back({x(l.b), l.y});
    w.WriteChartSymbol(a.back().x, l.y, "", 1.5f, 1.5f, 127, kLayer);
    w.WriteChartSymbol(b.back().x, l.y, "", 1.5f, 1.0f, 127, kLayer);
  }
  w.WriteChartLine(col.left + 2, 4, col.right - 2, 4, 1, 1, kAxisWidth, 0);
  for (double tick : {col.left + 2, col.right - 2, col.left + col.width / 2})
    w.WriteChartLine(tick, 4, tick, 9, 1, 1, kAxisWidth, 0);
  w.WriteChartNote(col.left, 10, loText, 2, 2, 1, 0, 0, 0, 1);
  w.WriteChartNote(col.right - 5.5, 10, hiText, 2, 2, 1, 0, 0, 0, 1);
  w.WriteChartNote(col.left + col.width / 2 - 3, 10, midText, 2, 2, 1, 0, 0, 0, 1);
  if (a.size() >= 2) {
    w.WriteChartCurve(a, 1, 46, 0.25f);
    w.WriteChartCurve(b, 1, 49, 0.25f);
  }
}

void DrawDescriptions(ChartContext& c, const std::vector<Interval>& notes, const HydrogeologyText& text) {
  ChartWriter& w = c.writer;
  const Column col = ColumnOf(c.state, kNotes);
  const bool straight = c.state.Option(kNotes) == 0;
  for (const Interval& note : notes) {
    w.WriteChartParagraph(static_cast<int>(std::trunc(col.width - 8)), col.left + 4, note.yFrom - 2, note.value,
                          text.size, text.spacing, text.lineGap, kLayer, text.font);
    const double y = note.yTo;
    if (straight) {
      w.WriteChartLine(col.left, y, col.right, y, 1, 1, kInner, kLayer);
    } else {
      w.WriteChartLine(col.left, y, col.left + 3, y - 2, 1, 1, kInner, kLayer);
      w.WriteChartLine(col.left + 3, y - 2, col.right - 3, y - 2, 1, 1, kInner, kLayer);
      w.WriteChartLine(col.right - 3, y - 2, col.right, y, 1, 1, kInner, kLayer);
    }
  }
}

// A fitted caption: n characters spread over from..to at a width that may
// shrink from 5.
void FittedCaption(ChartWriter& w, const std::vector<std::pair<const char*, double>>& lines, double n, double from,
                   double to) {
  float size = 5.0f;
  const double gap = FitCharacterGap(n, &size, from, to);
  for (const auto& [text, y] : lines) w.WriteChartNote(from, y, text, 5, size, 1, 0, static_cast<float>(gap), 0, 1);
}

void DrawHeader(ChartContext& c, int row) {
  ChartWriter& w = c.writer;
  const Column col = ColumnOf(c.state, row);
  switch (row) {
    case kBoxes:
      w.WriteChartNote(col.left + (col.width - 12) / 2, 37.63, "岩层富水", 5, 5, 1, 0, 1, 1, 1);
      w.WriteChartNote(col.left + (col.width + 2) / 2, 37.63, "性及封孔", 5, 5, 1, 0, 1, 1, 1);
      break;
    case kCurve:
      if (col.width < 35) {
        const double d = (col.width - 20) * 0.25 + 4;
        FittedCaption(w, {{"水位", 32.51}, {"变化", 23.62}, {"曲线", 14.73}}, 2, col.left + d, col.right - d);
      } else {
        const double d = (col.width - 35) * 0.2 + 4;
        FittedCaption(w, {{"水位变化曲线", 25.23}}, 6, col.left + d, col.right - d);
      }
      break;
    case kNotes:
      FittedCaption(w, {{"水文地质描述", 25.54}}, 6, col.left + 10, col.right - 10);
      break;
    case kRemarks:
      w.WriteChartNote(col.left + (col.width - 4) / 2, 35.13, "备注", 5, 5, 1, 0, 5, 1, 1);
      break;
  }
  DrawColumnFrame(c, col.left, col.right, kLayer);
}

}  // namespace

void DrawHydrogeologyColumns(ChartContext& c) {
  const ChartState& s = c.state;
  ChartDb db(c.hole.dataSource);
  const auto parameters = db.Query("Tzkkpara", sql::kTzkkpara, {},
                                   {{0, 3}, {1, 20}, {2, 7}, {3, 3}, {4, 8}, {5, 2}, {6, 2}, {7, 2}, {8, 4}, {9, 4}});
  std::vector<Level> levels;
  for (const ChartRow& row :
       db.Query("drilhydr", sql::kDrilhydr, {c.hole.mine, c.hole.hole}, {{2, 7}, {7, 7}, {3, 7}, {4, 7}}))
    levels.push_back({PlacedY(c, row[0], row[1]), NumOf(row[2]), NumOf(row[3])});
  const auto patterns = ReadIntervals(db, c, "drilhydr01", sql::kDrilhydr01, 3);
  const auto colours = ReadIntervals(db, c, "drilhydr02", sql::kDrilhydr02, 3);
  const auto notes = ReadIntervals(db, c, "drilhydr03", sql::kDrilhydr03, 999);

  if (s.Draws(kCurve)) DrawCurve(c, levels);
  if (s.Draws(kBoxes)) {
    const Column col = ColumnOf(s, kBoxes);
    for (const Interval& box : patterns)
      c.writer.WriteChartRegion(col.left, box.yFrom, col.right, box.yTo, static_cast<int16_t>(IntOf(box.value)), 9,
                                kLayer, 5);
    for (const Interval& box : colours)
      c.writer.WriteChartRegion(col.left, box.yFrom, col.right, box.yTo, 0, static_cast<int16_t>(IntOf(box.value)), 9,
                                5);
  }
  if (s.Draws(kNotes)) DrawDescriptions(c, notes, TextOf(parameters));
  for (int row : {kBoxes, kCurve, kNotes, kRemarks})
    if (s.Draws(row)) DrawHeader(c, row);
}

}  // namespace zv::chart
