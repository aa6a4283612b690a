#include "platform/tin/tin_sources.h"

#include <cmath>
#include <optional>

#include "framework/text/numbers.h"

namespace zv::tin {
namespace {

// The index of the area's numeric "高程" field for that entity type, or −1.
int NumericElevationField(WorkAreaHandle area, int entityType) {
  CATT_STRU structure;
  if (!BasReadAttributeStructure(area, entityType, &structure)) return -1;
  const int index = BasFindField(structure, kElevationField);
  if (index < 0) return -1;
  const uint8_t type = structure.fields[index].type;
  return type == kFieldLong || type == kFieldFloat || type == kFieldDouble ? index : -1;
}

std::optional<double> FieldValue(WorkAreaHandle area, int entityType, int32_t id, int field) {
  if (field < 0) return std::nullopt;
  AttributeRecord record;
  double value = 0;
  if (!BasReadAttribute(area, entityType, id, &record) || !BasGetFieldDoubleByIndex(record, field, &value) ||
      !std::isfinite(value))
    return std::nullopt;
  return value;
}

std::string Count(int64_t n) { return num::FormatInt(static_cast<long>(n)); }

}  // namespace

ElevationTake ElevationsOfPoints(WorkAreaHandle pointArea) {
  ElevationTake take;
  const int field = NumericElevationField(pointArea, kPointEntity);
  int32_t live = 0, bound = 0;
  BasGetPointCount(pointArea, &live, &bound);
  for (int32_t id = 1; id < bound; ++id) {
    D_DOT position{};
    std::string text;
    if (!BasReadPoint(pointArea, id, &position, &text, nullptr)) continue;
    std::optional<double> z = FieldValue(pointArea, kPointEntity, id, field);
    if (!z) {
      z = num::ParseTypedReal(text);
      if (z && !std::isfinite(*z)) z.reset();
    }
    if (!z) {
      ++take.skipped;
      continue;
    }
    take.points.push_back({position.x, position.y, *z});
    ++take.entities;
  }
  return take;
}

ElevationTake ElevationsOfLines(WorkAreaHandle lineArea) {
  ElevationTake take;
  const int field = NumericElevationField(lineArea, kLineEntity);
  int32_t live = 0, bound = 0;
  BasGetLineCount(lineArea, &live, &bound);
  for (int32_t id = 1; id < bound; ++id) {
    std::vector<D_DOT> vertices;
    if (!BasReadLine(lineArea, id, &vertices, nullptr)) continue;
    const std::optional<double> z = FieldValue(lineArea, kLineEntity, id, field);
    if (!z) {
      ++take.skipped;
      continue;
    }
    for (const D_DOT& v : vertices) take.points.push_back({v.x, v.y, *z});
    ++take.entities;
  }
  return take;
}

std::string PointTakeReport(const ElevationTake& take) {
  std::string report = "点高程值" + Count(take.entities) + "个";
  if (take.skipped > 0) report += "，跳过" + Count(take.skipped) + "个点（无高程值）";
  return report;
}

std::string LineTakeReport(const ElevationTake& take) {
  std::string report = "线高程值" + Count(static_cast<int64_t>(take.points.size())) + "个（" + Count(take.entities) + "条线）";
  if (take.skipped > 0) report += "，跳过" + Count(take.skipped) + "条线（无高程值）";
  return report;
}

std::string BuildReport(const TinBuild& build) {
  std::string report;
  if (build.duplicates > 0) report += "去掉重复点" + Count(build.duplicates) + "个\n";
  if (build.nonFinite > 0) report += "去掉坐标无效的点" + Count(build.nonFinite) + "个\n";
  if (!build.tin) return report + build.error;
  return report + "构成三角网：" + Count(static_cast<int64_t>(build.tin->points().size())) + "个点，" +
         Count(static_cast<int64_t>(build.tin->triangles().size())) + "个三角形";
}

}  // namespace zv::tin
