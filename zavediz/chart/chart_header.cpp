#include "zavediz/chart/chart_header.h"

#include <cmath>
#include <cstdlib>

#include "framework/text/encoding.h"
#include "framework/text/numbers.h"

namespace zv::chart {
namespace {

// The number before `sign`, taken off the front of `rest` with its sign.
double TakePart(std::string& rest, const std::string& sign) {
  const std::size_t at = rest.find(sign);
  if (at == std::string::npos) return 0;
  const double value = NumOf(rest.substr(0, at));
  rest.erase(0, at + sign.size());
  return value;
}

constexpr double kTitleFloor = 2.0;

}  // namespace

std::string InclinationText(const std::string& stored) {
  std::string text = "终 孔 倾 角: ";
  if (stored.empty()) return text;
  std::string rest = stored;
  if (rest.find("°") == std::string::npos) rest += "°";
  const double degrees = TakePart(rest, "°");
  const double minutes = TakePart(rest, "′");
  const double seconds = TakePart(rest, "″");
  return text + DegreesMinutesSeconds(90 - (degrees + minutes / 60 + seconds / 3600));
}

std::string DegreesMinutesSeconds(double angle) {
  // Whole seconds, so 60°20′ gives 29°40′ and not 29°39′59″.
  const long long total = std::llround(angle * 3600);
  const long long parts[3] = {total / 3600, total % 3600 / 60, total % 60};
  const char* signs[3] = {"°", "′", "″"};
  std::string text;
  for (int i = 0; i < 3; ++i)
    if (parts[i] != 0) text += num::FormatInt(static_cast<long>(parts[i])) + signs[i];
  return text;
}

std::string AzimuthText(const std::string& stored) {
  std::string text = "终 孔 方 位: " + stored;
  if (!stored.empty() && stored.find("°") == std::string::npos) text += "°";
  return text;
}

TitleFit FitTitle(std::size_t bytes, double chartWidth) {
  TitleFit fit;
  const double room = chartWidth - 100;
  const double n = static_cast<double>(bytes);
  while ((fit.height + fit.spacing) * n * 0.5 - 2.0 > room) {
    if (fit.spacing >= 0) {
      fit.spacing -= 0.1;
    } else if (fit.height - 1.0 >= kTitleFloor) {
      fit.height -= 1.0;
    } else {
      break;
    }
  }
  return fit;
}

void DrawChartHeader(ChartState& state, ChartWriter& writer, const std::string& dataSource,
                     const std::string& mine, const std::string& hole) {
  ChartDb db(dataSource);
  enum { kHole, kLine, kX, kY, kH, kStart, kEnd, kAzimuth, kDip, kDepth, kTitle, kFields };
  std::array<std::string, kFields> v;
  for (const ChartRow& row : db.Query("zkinfok", sql::kZkinfokHeader, {mine, hole},
                                      {{0, 9}, {1, 5}, {2, 13}, {3, 13}, {4, 8}, {5, 16}, {6, 16}, {7, 11},
                                       {8, 11}, {9, 8}, {21, 101}})) {
    std::copy(row.begin(), row.end(), v.begin());
    v[kDepth] = CutBytes(Fixed52(v[kDepth]), 8);
  }
  state.holeName = v[kHole];

  const double W = state.chartWidth;
  const TitleFit fit = FitTitle(text::GbkLength(v[kTitle]), W);
  const double n = static_cast<double>(text::GbkLength(v[kTitle]));
  const double titleX = (W - ((fit.height + fit.spacing) * n + 2 * fit.spacing) * 0.5) * 0.5;
  writer.WriteChartText(titleX, 93.82, v[kTitle], static_cast<float>(fit.height), static_cast<float>(fit.height), 1,
                        3, static_cast<float>(fit.spacing), 0);

  struct Row {
    std::string text;
    double x, y;
  };
  const Row rows[] = {
      {"开孔日期：" + v[kStart], 5.0, 74.21},
      {"终孔日期：" + v[kEnd], 5.0, 64.3},
      {"终孔深度：" + v[kDepth] + "m", 5.0, 53.82},
      {"勘探线号:" + v[kLine], W * 0.5 - 9.5, 73.82},
      {"孔    号:" + v[kHole], W * 0.5 - 9.5, 53.62},
      {"孔口坐标 ", W - 53.0, 73.63},
      {"X: " + v[kX], W - 35.0, 74.01},
      {"Y: " + v[kY], W - 35.0, 69.16},
      {"H: " + v[kH], W - 35.0, 64.11},
      {InclinationText(v[kDip]), W - 53.0, 59.06},
      {AzimuthText(v[kAzimuth]), W - 53.0, 53.62},
  };
  for (const Row& row : rows) writer.WriteChartNote(row.x, row.y, row.text, 4.0, 4.0, 1, 0, 0.0f, 0, 1);
}

}  // namespace zv::chart
