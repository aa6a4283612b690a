#include "zavediz/chart/chart_header_file.h"

#include <cmath>
#include <filesystem>
#include <vector>

#include "common/entity_buffer/entity_buffer_file.h"
#include "framework/paths/app_folder.h"

namespace zv::chart {
namespace {

constexpr const char* kNoPoints = "工作区找不到点图元!";
constexpr const char* kNoLines = "工作区找不到线图元!";
constexpr const char* kNoFile = "请先设计柱状图表头文件.";
constexpr const char* kReadError = "读取柱状图表头文件错误!";

// Every id below the area's bound; the writer skips deleted ones.
std::vector<int32_t> Ids(int32_t bound) {
  std::vector<int32_t> ids;
  for (int32_t id = 1; id < bound; ++id) ids.push_back(id);
  return ids;
}

// Rows whose columns share a top band, and the arrangement of their titles.
bool InGroup(int row) { return (row >= 2 && row <= 6) || row == 12 || (row >= 14 && row <= 28); }
bool FlatTitle(int row) { return row == 9 || (row >= 19 && row <= 29) || row == 31 || row == 32; }

constexpr int16_t kLineLayer = 2;

}  // namespace

std::string ChartHeaderPath() { return paths::DataFile(kHeaderFileName); }

bool SaveChartHeader(const std::string& path, double headerTop, const ChartAreas& areas, const Tell& tell) {
  int32_t points = 0, pointBound = 0, lines = 0, lineBound = 0;
  BasGetPointCount(areas.point, &points, &pointBound);
  if (points == 0) {
    tell(kNoPoints);
    return false;
  }
  BasGetLineCount(areas.line, &lines, &lineBound);
  if (lines == 0) tell(kNoLines);
  std::string error;
  if (WriteChartHeaderFile(path, headerTop, areas.point, Ids(pointBound), areas.line,
                           lines == 0 ? std::vector<int32_t>() : Ids(lineBound), &error) < 0) {
    tell("保存柱状图表头文件失败: " + path + "\n" + error);
    return false;
  }
  return true;
}

std::optional<double> ReadChartHeader(const std::string& path, const ChartAreas& areas, const Tell& tell) {
  if (!std::filesystem::is_regular_file(path)) {
    tell(kNoFile);
    return std::nullopt;
  }
  ChartHeaderBuffer header;
  std::string error, warning;
  if (!ReadChartHeaderFile(path, &header, &error, &warning)) {
    tell(kReadError);
    return std::nullopt;
  }
  for (const PointRecord& point : header.points) AppendPointRecord(areas.point, point);
  for (const LineRecord& line : header.lines) AppendLineRecord(areas.line, line);
  if (!warning.empty()) tell(kReadError);
  return header.header;
}

void DrawDefaultChartHeader(const CustomChartLayout& layout, double H, ChartWriter& writer) {
  const double W = layout.chartWidth;
  writer.WriteChartLine(0, 0, W, 0, 1, 1, 0.1, kLineLayer);
  writer.WriteChartLine(0, H, W, H, 1, 1, 1.0, kLineLayer);
  writer.WriteChartLine(0, 0, 0, H, 1, 1, 1.0, kLineLayer);
  for (int i = 0; i < kChartColumns; ++i) {
    const ChartColumn& column = layout.columns[i];
    if (column.Int(ChartColumn::kShown) == 0) continue;
    const double left = column.Left(), right = column.Right();
    writer.WriteChartNote(left + column.Width() / 2 - 3.0, H - 10.0, column.Text(ChartColumn::kTitle), 4.0, 4.0, 1,
                          0, 1.0f, FlatTitle(i) ? 0 : 1, 1);
    const double pen = std::fabs(right - W) < 0.0001 ? 1.0 : 0.1;
    if (!InGroup(i)) {
      writer.WriteChartLine(right, 0, right, H, 1, 1, pen, kLineLayer);
      continue;
    }
    writer.WriteChartLine(left, H - 10.0, right, H - 10.0, 1, 1, pen, kLineLayer);
    // The last column of a group closes its band to the header's top.
    const bool last = i == 6 || i == 18 ||
                      (i >= 20 && i <= 28 && (i + 1 >= kChartColumns || layout.columns[i + 1].Num(ChartColumn::kShown) == 0.0));
    writer.WriteChartLine(right, 0, right, last ? H : H - 10.0, 1, 1, pen, kLineLayer);
  }
}

}  // namespace zv::chart
