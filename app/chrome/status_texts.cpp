#include "app/chrome/status_texts.h"

#include <cmath>

#include "framework/text/numbers.h"

namespace zv::chrome {
namespace {

constexpr std::array<double, kPaneCount> kWidthShares = {0.22, 0.16, 0.22, 0.22, 0.18};
constexpr double kZoneMillions = 1'000'000.0;
constexpr double kMillimetre = 0.001;

}  // namespace

std::array<int, kPaneCount> StatusPaneWidths(int availableWidth) {
  std::array<int, kPaneCount> widths{};
  for (int i = 0; i < kPaneCount; ++i) widths[i] = static_cast<int>(kWidthShares[i] * availableWidth);
  return widths;
}

const std::array<const char*, kPaneCount>& InitialPaneTexts() {
  static const std::array<const char*, kPaneCount> texts = {"", "文字： 子图： 线： 区：", "实际坐标 X:      Y:",
                                                            "图面坐标 X:      Y:", "当前图层："};
  return texts;
}

std::string RealCoordinateText(double x, double y, const ReadOutState& state) {
  if (state.scaleDenominator == 0) return "实际坐标：请先设置比例尺！";
  const double s = static_cast<double>(state.scaleDenominator);
  if (!state.latLong) return num::Format("实际坐标 X:%7.3f,Y:%8.3f", s * y * kMillimetre, s * x * kMillimetre);
  double e = s * x * kMillimetre;
  double n = s * y * kMillimetre;
  // The zone number sits in the millions of the easting wherever the point
  // lies, low latitudes included.
  if (e >= kZoneMillions) e -= std::trunc(e / kZoneMillions) * kZoneMillions;
  if (!state.toGeographic || !state.toGeographic(e, n)) return "实际坐标：无法换算经纬度！";
  return num::Format("经度:%7.3f,纬度:%6.3f", e, n);
}

std::array<std::string, kPaneCount> ReadOutTexts(const ReadOut& r, const ReadOutState& state) {
  return {std::string(),
          num::Format("文字:%d 子图:%d 线:%d 区:%d", r.texts, r.subGraphs, r.lines, r.regions),
          RealCoordinateText(r.x, r.y, state),
          num::Format("图面坐标 X:%8.3f,Y:%7.3f", r.x, r.y),
          r.layer};
}

}  // namespace zv::chrome
