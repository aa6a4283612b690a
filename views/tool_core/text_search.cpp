#include "views/tool_core/text_search.h"

#include <string>

namespace zv::toolview {

std::vector<ENTITY_MSG> FindTexts(std::span<const WorkAreaHandle> pointAreas, std::string_view text) {
  std::vector<ENTITY_MSG> found;
  std::string content;
  PNT_INFO info;
  for (WorkAreaHandle area : pointAreas) {
    if (BasGetWorkAreaType(area) != kPointArea) continue;
    int32_t live = 0, bound = 0;
    BasGetPointCount(area, &live, &bound);
    for (int32_t id = 1; id < bound; ++id) {
      if (!BasReadPoint(area, id, nullptr, &content, &info) || info.kind() != 0) continue;
      if (content.find(text) != std::string::npos) found.push_back({area, kPointEntity, id});
    }
  }
  return found;
}

}  // namespace zv::toolview
