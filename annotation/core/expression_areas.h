#pragma once
// What the expression dialog offers of the work areas handed to it: each
// non-zero handle once, named by its file name (the kind and the handle for
// an area without a file), with the field names of its structure when it
// holds an entity (none otherwise).

#include <string>
#include <vector>

#include "platform/data/work_area.h"

namespace zv::annot {

struct OfferedArea {
  WorkAreaHandle handle = 0;
  std::string name;
  std::vector<std::string> fields;
};

std::vector<OfferedArea> OfferedAreas(const std::vector<WorkAreaHandle>& handles);

}  // namespace zv::annot
