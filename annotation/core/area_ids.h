#pragma once
// Ids of a work area as the fill counts them: the bound B (ids run 1 ..
// B − 1), the live count, and the live ids appended since an earlier bound.

#include <cstdint>
#include <vector>

#include "platform/data/work_area.h"

namespace zv::annot {

int32_t IdBound(WorkAreaHandle area, int entityType);
int32_t LiveCount(WorkAreaHandle area, int entityType);
std::vector<int32_t> LiveIdsFrom(WorkAreaHandle area, int entityType, int32_t boundBefore);

}  // namespace zv::annot
