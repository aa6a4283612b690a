#pragma once
// The section tool view's commands that draw borehole column charts from the
// database, under "&C地质绘图" ▸ "柱状图(ACCESS)" ▸ "绘制柱状图" of the
// section menu: one row per launch row of the chart tool
// (BoreholeChartLaunches).

namespace zv::chart {

// Adds the commands to the section tool view's table and their items to the
// section menu.
void RegisterBoreholeChartCommands();

}  // namespace zv::chart
