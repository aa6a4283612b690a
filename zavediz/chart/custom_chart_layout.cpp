#include "zavediz/chart/custom_chart_layout.h"

#include <algorithm>
#include <vector>

namespace zv::chart {
namespace {

constexpr const char* kColumnsSql = "select * from 栏目选择1 order by 原序号";

// Fields 0 .. n − 1 of a row, whole.
std::vector<FieldSpec> FirstFields(int n) {
  std::vector<FieldSpec> fields;
  for (int i = 0; i < n; ++i) fields.push_back({i, 0});
  return fields;
}

}  // namespace

void ReadChartParameters(CustomChartLayout& layout, const std::string& dataSource, float scaleFactor,
                         const std::string& mine, const std::string& hole) {
  ChartDb db(dataSource);
  const std::vector<FieldSpec> paramFields = FirstFields(ChartParamRow::kFields);
  const std::vector<FieldSpec> columnFields = FirstFields(ChartColumn::kFields);
  const auto params = db.Query("柱状参数", sql::kParameters, {}, paramFields);
  const auto holeRows = db.Query("zkinfok", sql::kZkinfok, {mine, hole}, {{9, 0}, {13, 0}, {38, 0}});
  const auto columns = db.Query("栏目选择1", kColumnsSql, {}, columnFields);

  layout.columns = {};
  layout.params = {};
  layout.chartWidth = 0;
  layout.chartColIndex = layout.f1ColIndex = layout.descColIndex = kNoRow;
  const std::size_t columnCount = std::min<std::size_t>(columns.size(), kChartColumns);
  for (std::size_t i = 0; i < columnCount; ++i) {
    ChartColumn& column = layout.columns[i];
    std::copy(columns[i].begin(), columns[i].end(), column.fields.begin());
    const float right = static_cast<float>(column.Right());
    if (right > layout.chartWidth) layout.chartWidth = right;
    const std::string title = column.Text(ChartColumn::kTitle);
    const int index = static_cast<int>(i);
    if (title == "柱状图") layout.chartColIndex = index;
    if (title == "F1") layout.f1ColIndex = index;
    if (title == "地质描述") layout.descColIndex = index;
  }
  const std::size_t paramCount = std::min<std::size_t>(params.size(), kChartParams);
  for (std::size_t i = 0; i < paramCount; ++i)
    std::copy(params[i].begin(), params[i].end(), layout.params[i].fields.begin());

  std::string depth, layers, corrected;
  for (const ChartRow& row : holeRows) {
    depth = CutBytes(Fixed52(row[0]), 7);
    layers = row[1];
    corrected = row[2];
  }
  layout.layerCount = static_cast<int16_t>(IntOf(layers));
  if (layout.Corrected()) depth = corrected;
  layout.chartDepth = NumOf(depth) * 5.0 / scaleFactor;
}

}  // namespace zv::chart
