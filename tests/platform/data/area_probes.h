#pragma once
// What tests read back from a work area most often: a line's vertices and
// the live count of one entity type.

#include <cstdint>
#include <vector>

#include "platform/data/work_area.h"

namespace zv::test {

inline std::vector<D_DOT> Vertices(WorkAreaHandle area, int32_t id) {
  std::vector<D_DOT> v;
  BasReadLine(area, id, &v, nullptr);
  return v;
}

inline int32_t Live(WorkAreaHandle area, int type) {
  int32_t live = 0, bound = 0;
  BasGetEntityCount(area, type, &live, &bound);
  return live;
}

}  // namespace zv::test
