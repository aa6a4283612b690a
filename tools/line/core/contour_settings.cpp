#include "tools/line/core/contour_settings.h"

#include <cmath>
#include <limits>

namespace zv::tools {

ContourSettings& CurrentContourSettings() {
  static ContourSettings settings;
  return settings;
}

std::optional<ContourRefusal> CheckContourSettings(const ContourSettings& v) {
  if (v.vertexCount < 0 || v.vertexCount == 1) return ContourRefusal{"vertexCount", "线拐点数应为0或大于1！"};
  if (v.vertexCount > kMostContourVertices) return ContourRefusal{"vertexCount", "线拐点数不能超过1000000！"};
  if (v.contours > kMostContours) return ContourRefusal{"contours", "等高线数不能超过10000！"};
  if (v.layer < std::numeric_limits<int16_t>::min() || v.layer > std::numeric_limits<int16_t>::max())
    return ContourRefusal{"layer", "线层号超出范围！"};
  if (!std::isfinite(v.fillAngle)) return ContourRefusal{"fillAngle", "填充线角度必须是数值！"};
  if (!(v.fillSpacing > 0)) return ContourRefusal{"fillSpacing", "填充线距离必须大于0！"};
  return std::nullopt;
}

}  // namespace zv::tools
