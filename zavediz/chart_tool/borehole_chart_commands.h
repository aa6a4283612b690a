#pragma once
// The borehole chart tool in the tool factory, and the items of its launch
// rows (BoreholeChartLaunches) under "&C地质绘图" ▸ "柱状图(ACCESS)" ▸
// "绘制柱状图" of the section menu; the section tool view's launch table
// starts it.

namespace zv::chart {

void RegisterBoreholeChartCommands();

}  // namespace zv::chart
