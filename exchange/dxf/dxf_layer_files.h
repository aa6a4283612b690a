#pragma once
// Splitting imported work areas by layer number into platform files.

#include <set>
#include <string>
#include <vector>

#include "platform/data/work_area.h"

namespace zv::dxf {

// The layer numbers of the live entities of that type.
std::vector<int> LayersInUse(WorkAreaHandle area, int entityType);

// Appends the live entities of that type and layer number of `from` to `to`
// (with parameters and attributes); the number copied.
int32_t CopyLayerEntities(WorkAreaHandle from, int entityType, int layer, WorkAreaHandle to);

// A file name from a layer name that stays inside its folder: no "/", "\"
// or control characters, no leading "." (so never "." or ".."); a name already in `used` is
// numbered ("WALL_2", "WALL_3" ...). The result is added to `used`.
std::string SafeDistinctFileStem(const std::string& name, std::set<std::string>& used);

}  // namespace zv::dxf
