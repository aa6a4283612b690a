#pragma once
// What tests read back from a work area most often: a line's vertices,
// every live line, and the live count of one entity type.

#include <cstdint>
#include <vector>

#include "platform/data/work_area.h"

namespace zv::test {

inline std::vector<D_DOT> Vertices(WorkAreaHandle area, int32_t id) {
  std::vector<D_DOT> v;
  BasReadLine(area, id, &v, nullptr);
  return v;
}

// The vertices of every live line, in id order.
inline std::vector<std::vector<D_DOT>> LiveLines(WorkAreaHandle area) {
  std::vector<std::vector<D_DOT>> out;
  int32_t live = 0, bound = 0;
  BasGetLineCount(area, &live, &bound);
  for (int32_t id = 1; id < bound; ++id) {
    std::vector<D_DOT> v;
    if (BasReadLine(area, id, &v, nullptr)) out.push_back(v);
  }
  return out;
}

// The live ids of an entity type, ascending.
inline std::vector<int32_t> LiveIds(WorkAreaHandle area, int type) {
  std::vector<int32_t> ids;
  int32_t live = 0, bound = 0;
  BasGetEntityCount(area, type, &live, &bound);
  for (int32_t id = 1; id < bound; ++id)
    if (BasIsEntityLive(area, type, id)) ids.push_back(id);
  return ids;
}

inline int32_t Live(WorkAreaHandle area, int type) {
  int32_t live = 0, bound = 0;
  BasGetEntityCount(area, type, &live, &bound);
  return live;
}

}  // namespace zv::test
