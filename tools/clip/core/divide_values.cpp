#include "tools/clip/core/divide_values.h"

#include <cmath>

#include "tools/clip/core/divide_line.h"

namespace zv::tools {

std::variant<DivideValues, DivideRefusal> CheckDivideValues(const DivideValues& v) {
  if (v.byDistance && !(v.distance > 0)) return DivideRefusal{"distance", "距离必须大于0！"};
  if (!v.byDistance && v.parts > kMostDivisions) return DivideRefusal{"parts", "段数不能超过1000000！"};
  if (!v.byDistance && v.parts < 1) return DivideRefusal{"parts", "段数必须大于0！"};
  if (!(v.range >= 0)) return DivideRefusal{"range", "偏移范围不能小于0！"};
  // An infinite range times a draw of 0 is NaN, which would be written as a point.
  if (!std::isfinite(v.range)) return DivideRefusal{"range", "偏移范围必须是有限数！"};
  return v;
}

}  // namespace zv::tools
