#include "zavediz/chart/custom_hole_header.h"

#include <algorithm>

#include "framework/text/encoding.h"
#include "zavediz/chart/chart_header.h"

namespace zv::chart {
namespace {

// The text before `mark`, taken off the front of `rest`. Without the mark
// the part is empty and the next character is dropped.
std::string TakePart(std::string& rest, const std::string& mark) {
  const std::size_t at = rest.find(mark);
  if (at != std::string::npos) {
    std::string part = rest.substr(0, at);
    rest.erase(0, at + mark.size());
    return part;
  }
  rest.erase(0, text::CutToCharacters(rest, 1).size());
  return {};
}

std::size_t BytesWithoutTrailingBlanks(const std::string& text) {
  const std::size_t end = text.find_last_not_of(' ');
  return end == std::string::npos ? 0 : text::GbkLength(std::string_view(text).substr(0, end + 1));
}

}  // namespace

std::string CustomDipText(const std::string& stored) {
  std::string rest = stored;
  if (!rest.empty() && rest.find("°") == std::string::npos) rest += "°";
  const double degrees = NumOf(TakePart(rest, "°"));
  const double minutes = NumOf(TakePart(rest, "′"));
  const double seconds = NumOf(TakePart(rest, "″"));
  return "终 孔 倾 角: " + DegreesMinutesSeconds(90 - (degrees + minutes / 60 + seconds / 3600));
}

double TitleX(double chartWidth, std::size_t bytes, double height, double spacing) {
  return (chartWidth - ((height + spacing) * static_cast<double>(bytes) + 2 * spacing) / 2) / 2;
}

void DrawHoleHeader(CustomChartContext& chart) {
  CustomChartLayout& layout = chart.layout;
  enum { kHole, kLine, kX, kY, kH, kStart, kEnd, kAzimuth, kDip, kDepth, kTitle, kFields };
  std::array<std::string, kFields> v;
  ChartDb db(chart.hole.dataSource);
  for (const ChartRow& row : db.Query("zkinfok", sql::kZkinfokHeader, {chart.hole.mine, chart.hole.hole},
                                      {{0, 8}, {1, 4}, {2, 12}, {3, 12}, {4, 7}, {5, 15}, {6, 15}, {7, 10},
                                       {8, 10}, {9, 0}, {21, 100}})) {
    std::copy(row.begin(), row.end(), v.begin());
    v[kDepth] = CutBytes(Fixed52(v[kDepth]), 7);
  }
  layout.holeName = v[kHole];

  const double W = layout.chartWidth;
  const double D = layout.chartDepth;
  const double H = layout.headerTop + 5.0;
  const std::size_t bytes = BytesWithoutTrailingBlanks(v[kTitle]);
  const TitleFit fit = FitTitle(bytes, W);
  const float size = static_cast<float>(fit.height);
  // The title is kept whole: up to 100 bytes, beyond the text writer's cut.
  chart.writer.WriteChartTextParams(TitleX(W, bytes, fit.height, fit.spacing), H + 40, v[kTitle],
                                    ChartTextParams(size, size, static_cast<float>(fit.spacing), 3, 0, 1, 0));

  struct Row {
    std::string text;
    double x, y;
  };
  const Row rows[] = {
      {"开孔日期：" + v[kStart], 5.0, H + 20},
      {"终孔日期：" + v[kEnd], 5.0, H + 10},
      {"终孔深度：" + v[kDepth] + "m", 5.0, H},
      {"勘探线号:" + v[kLine], W / 2 - 9.5, H + 20},
      {"孔    号:" + v[kHole], W / 2 - 9.5, H},
      {"孔口坐标 ", W - 53, H + 20},
      {"X: " + v[kX], W - 35, H + 20},
      {"Y: " + v[kY], W - 35, H + 15},
      {"H: " + v[kH], W - 35, H + 10},
      {CustomDipText(v[kDip]), W - 53, H + 5},
      {AzimuthText(v[kAzimuth]), W - 53, H},
  };
  for (const Row& row : rows) chart.writer.WriteChartNote(row.x, row.y, row.text, 4.0, 4.0, 1, 0, 0.0f, 0, 1);

  const D_DOT frame[4] = {{W, 0}, {W, -D}, {0, -D}, {0, 0}};
  chart.writer.WriteChartPolyline(frame, 1, 1, 1.0, 0);
}

}  // namespace zv::chart
