#include "exchange/dxf/dxf_layer_files.h"

#include <algorithm>

#include "exchange/dxf/dxf_names.h"

namespace zv::dxf {
namespace {

int LayerOf(WorkAreaHandle area, int entityType, int32_t id) {
  if (entityType == kPointEntity) {
    PNT_INFO info;
    return BasReadPointParam(area, id, &info) ? info.layer() : -1;
  }
  if (entityType == kLineEntity) {
    LIN_INFO info;
    return BasReadLineParam(area, id, &info) ? info.layer() : -1;
  }
  REG_INFO info;
  return BasReadRegionParam(area, id, &info) ? info.layer() : -1;
}

}  // namespace

std::vector<int> LayersInUse(WorkAreaHandle area, int entityType) {
  int32_t live = 0, bound = 0;
  BasGetEntityCount(area, entityType, &live, &bound);
  std::set<int> layers;
  for (int32_t id = 1; id < bound; ++id) {
    const int layer = LayerOf(area, entityType, id);
    if (layer >= 0) layers.insert(layer);
  }
  return {layers.begin(), layers.end()};
}

int32_t CopyLayerEntities(WorkAreaHandle from, int entityType, int layer, WorkAreaHandle to) {
  int32_t live = 0, bound = 0;
  BasGetEntityCount(from, entityType, &live, &bound);
  int32_t copied = 0;
  for (int32_t id = 1; id < bound; ++id)
    if (LayerOf(from, entityType, id) == layer && BasCopyEntity(from, entityType, id, to) > 0) ++copied;
  return copied;
}

std::string SafeDistinctFileStem(const std::string& name, std::set<std::string>& used) {
  std::string stem = name;
  for (char& c : stem)
    if (c == '/' || c == '\\' || static_cast<unsigned char>(c) < 0x20) c = '_';
  // No leading dot: neither "." nor "..", nor a hidden file.
  for (std::size_t i = 0; i < stem.size() && stem[i] == '.'; ++i) stem[i] = '_';
  if (stem.empty()) stem = "_";
  return NumberedDistinct(stem, used);
}

}  // namespace zv::dxf
