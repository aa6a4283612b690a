#include "zavediz/chart/chart_settings.h"

#include <algorithm>

namespace zv::chart {

void ReadMineChartSettings(ChartState& state, const std::string& dataSource, const std::string& mine) {
  ChartDb db(dataSource);
  std::string kind;
  std::string width;
  for (const ChartRow& row : db.Query("minefile", sql::kMinefile, {mine}, {{2, 4}, {28, 8}})) {
    kind = row[0];
    width = row[1];
  }
  state.mineKind = IntOf(kind);
  state.chartWidth = static_cast<float>(NumOf(width));
}

void LoadChartParameters(ChartState& state, const std::string& dataSource, float scaleFactor,
                         const std::string& mine, const std::string& hole) {
  ChartDb db(dataSource);
  const auto params = db.Query("柱状参数", sql::kParameters, {},
                               {{0, 4}, {1, 21}, {2, 8}, {3, 4}, {4, 9}, {5, 3}, {6, 3}, {7, 3}, {8, 5}, {9, 5}});
  const auto holes = db.Query("zkinfok", sql::kZkinfok, {mine, hole}, {{9}, {13, 4}, {38, 8}});
  const auto columns = db.Query("栏目选择", sql::kColumns, {}, {{3, 8}, {4, 2}, {5, 2}, {6, 8}, {7, 8}});

  state.columns = {};
  for (std::size_t k = 0; k < columns.size() && k < state.columns.size(); ++k) {
    const ChartRow& row = columns[k];
    state.columns[k] = {row[0], row[1], row[2], row[3], row[4]};
    state.frameWidth = std::max(state.frameWidth, NumOf(row[4]));
  }
  state.params = {};
  for (std::size_t k = 0; k < params.size() && k < state.params.size(); ++k)
    std::copy(params[k].begin(), params[k].end(), state.params[k].fields.begin());

  std::string depth;
  std::string flag;
  std::string corrected;
  for (const ChartRow& row : holes) {
    depth = CutBytes(Fixed52(row[0]), 8);
    flag = row[1];
    corrected = row[2];
  }
  state.holeFlag = static_cast<uint16_t>(IntOf(flag));
  if (state.CorrectedDepths()) depth = corrected;
  state.holeLength = NumOf(depth) * 5.0 / scaleFactor;
}

}  // namespace zv::chart
