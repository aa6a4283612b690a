#pragma once
// The chart header file of the custom chart ("ZKTablerHead.sec" in the data
// folder, or a user's .sch): the header's texts and lines in the chart
// header container (common/entity_buffer), texts GBK in the file.
//  - SaveChartHeader writes the live points, then the live lines, in id
//    order, with their counts and `headerTop`. Without a point it writes
//    nothing ("工作区找不到点图元!", the old file stays); without a line it
//    tells "工作区找不到线图元!" and writes the file with no lines. A failed
//    write names the file.
//  - ReadChartHeader appends the file's points and lines (new ids; reading
//    twice doubles them) and returns the stored height. A missing file:
//    "请先设计柱状图表头文件."; a file whose height or point count is cut,
//    or whose height is no number: "读取柱状图表头文件错误!" and nothing
//    appended; one cut inside a later
//    count or record appends the records before the fault and tells the same
//    message once.
//  - DrawDefaultChartHeader draws a starting header of height H from the
//    column table: the frame, each shown column's title and its edges.

#include <functional>
#include <optional>
#include <string>

#include "zavediz/chart/custom_chart_layout.h"
#include "zavediz/chart/chart_primitives.h"

namespace zv::chart {

using Tell = std::function<void(const std::string&)>;

inline constexpr const char* kHeaderFileName = "ZKTablerHead.sec";

// The header file's path in the data folder.
std::string ChartHeaderPath();

bool SaveChartHeader(const std::string& path, double headerTop, const ChartAreas& areas, const Tell& tell);
std::optional<double> ReadChartHeader(const std::string& path, const ChartAreas& areas, const Tell& tell);

void DrawDefaultChartHeader(const CustomChartLayout& layout, double H, ChartWriter& writer);

}  // namespace zv::chart
