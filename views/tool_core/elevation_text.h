#pragma once
// The elevation a plan tool view shows for a line under the cursor with Ctrl
// held: the value of the line's first field "高程" of a numeric type (long,
// float or double) as "%7.1f", or "无" when the record cannot be read or has
// no such field.

#include <cstdint>
#include <string>

#include "platform/data/work_area.h"

namespace zv::toolview {

std::string LineElevationText(WorkAreaHandle area, int32_t line);

}  // namespace zv::toolview
