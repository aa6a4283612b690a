#pragma once
// The reading steps that set a hole's chart up: the mine's settings from
// minefile and the layout tables and the hole's depth. Each opens its own
// connection; read failures throw ChartReadError (chart_db.h).
//  - Several rows where one is expected: the last wins.
//  - 栏目选择 keeps its first 33 rows in query order (rows not read stay
//    empty, their flags 0), 柱状参数 its first 22; frameWidth is the largest
//    right edge and only grows.
//  - The hole's depth is zkinfok column 9, or column 38 when row 5's option
//    is 1; holeLength = depth × 5 / scaleFactor (0 for a hole not in
//    zkinfok).

#include <string>

#include "zavediz/chart/chart_state.h"

namespace zv::chart {

void ReadMineChartSettings(ChartState& state, const std::string& dataSource, const std::string& mine);
void LoadChartParameters(ChartState& state, const std::string& dataSource, float scaleFactor,
                         const std::string& mine, const std::string& hole);

}  // namespace zv::chart
