#include "views/tool_core/measure_readout.h"

#include "framework/text/numbers.h"

namespace zv::toolview {
namespace {

constexpr double kSmallestArea = 0.00001;
constexpr double kSquareKilometreFrom = 100000.0;
constexpr double kPerSquareKilometre = 0.000001;
constexpr long kDefaultScale = 1000;
constexpr int kFirstY = 20;
constexpr int kStep = 15;

}  // namespace

MeasureSums SumPool(std::span<const ENTITY_MSG> pool) {
  MeasureSums sums;
  for (const ENTITY_MSG& e : pool) {
    if (BasIsWorkAreaValid(e.area) == 0) continue;
    if (e.type == kRegionEntity) {
      AttributeRecord record;
      double value = 0.0;
      if (BasReadAttribute(e.area, kRegionEntity, e.id, &record) == 1 &&
          BasGetFieldDouble(record, kAreaFieldName, &value))
        sums.area += value;
    } else if (e.type == kLineEntity) {
      std::vector<D_DOT> vertices;
      if (BasReadLine(e.area, e.id, &vertices, nullptr) != 1) continue;
      sums.vertices += static_cast<int64_t>(vertices.size());
      sums.length += BasGetLineLength(e.area, e.id);
    }
  }
  return sums;
}

std::vector<ReadoutLine> ReadoutLines(const MeasureSums& sums, long scaleDenominator) {
  const long scale = scaleDenominator == 0 ? kDefaultScale : scaleDenominator;
  const std::string scaleLine = "比例分母数：" + num::Format("%ld", scale);
  std::vector<ReadoutLine> lines;
  int y = kFirstY;
  if (sums.area > kSmallestArea) {
    double area = sums.area;
    const char* unit = "平方米";
    if (area >= kSquareKilometreFrom) {
      area *= kPerSquareKilometre;
      unit = "平方公里";
    }
    const double metres = scale * 0.001;
    lines.push_back({y, scaleLine});
    lines.push_back({y + kStep, "选择区面积：" + num::Format("%.6f", area) + unit});
    lines.push_back({y + 2 * kStep, "实际总面积：" + num::Format("%.6f", metres * metres * area) + unit});
    y += 3 * kStep;
  }
  if (sums.vertices != 0) {
    if (lines.empty()) {
      lines.push_back({y, scaleLine});
      y += kStep;
    }
    lines.push_back({y, "线节点总数：" + num::Format("%lld", static_cast<long long>(sums.vertices))});
    lines.push_back({y + kStep, "选线总长度：" + num::Format("%f", sums.length)});
    lines.push_back({y + 2 * kStep, "线实际长度：" + num::Format("%f", scale * 0.001 * sums.length)});
  }
  return lines;
}

}  // namespace zv::toolview
