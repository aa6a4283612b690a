#include "zavediz/chart/point_columns.h"

#include "framework/text/numbers.h"
#include "zavediz/chart/column_frame.h"

namespace zv::chart {
namespace {

struct LabelForm {
  const char* open;
  const char* middle;
  const char* close;
};

struct PointColumn {
  int row;
  const char* table;
  const char* sql;
  FieldSpec fields[3];  // the value, the recorded depth, the alternative depth
  LabelForm framed, plain;
  // Where the framed form stands and how wide its characters are.
  double framedInset;
  float framedWidth;
  const char* caption;
  float captionSpacing;
};

constexpr std::size_t kLabelBytes = 19;

constexpr PointColumn kMarkerPlanes = {
    8, "drilflag", sql::kDrilflag, {{4, 5}, {2, 7}, {11, 7}}, {"/ ", "°/", "m /"}, {"", "°/", "m"},
    1.5, 1.8f, "标志面与岩心轴夹角", 0.0f};
constexpr PointColumn kSpecimens = {
    9, "drilspec", sql::kDrilspec, {{1, 5}, {2, 7}, {7, 7}}, {"/ ", "/", "m /"}, {"", "/", "m"},
    0.5, 1.6f, "岩矿石标本", 4.0f};

void DrawPointColumn(ChartContext& c, const PointColumn& column) {
  const ChartState& s = c.state;
  ChartWriter& w = c.writer;
  ChartDb db(c.hole.dataSource);
  const auto rows = db.Query(column.table, column.sql, {c.hole.mine, c.hole.hole}, column.fields);
  const double x0 = s.L(column.row);
  const double x1 = s.R(column.row);
  const bool framed = s.Option(column.row) == 0;
  const LabelForm& form = framed ? column.framed : column.plain;
  for (const ChartRow& row : rows) {
    const std::string label = CutBytes(
        form.open + row[0] + form.middle + num::Format("%7.2f", NumOf(row[1])) + form.close, kLabelBytes);
    const double x = framed ? x0 + column.framedInset : x0 + 0.5;
    const float width = framed ? column.framedWidth : 1.6f;
    w.WriteChartNote(x, PlacedY(c, row[1], row[2]), label, 1.8, width, 1, 5, 0, 0, 1);
  }
  DrawColumnFrame(c, x0, x1, 2);
  w.WriteChartNote(x0 + (s.Wd(column.row) - 4) / 2, 41.0, column.caption, 4, 4, 1, 0, column.captionSpacing, 1, 1);
}

}  // namespace

void DrawMarkerPlaneColumn(ChartContext& c) { DrawPointColumn(c, kMarkerPlanes); }
void DrawSpecimenColumn(ChartContext& c) { DrawPointColumn(c, kSpecimens); }

}  // namespace zv::chart
