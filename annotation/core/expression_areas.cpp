#include "annotation/core/expression_areas.h"

#include <algorithm>

#include "framework/text/numbers.h"

namespace zv::annot {
namespace {

std::string KindName(int type) {
  switch (type) {
    case kLineArea: return "线";
    case kPointArea: return "点";
    case kRegionArea: return "区";
    default: return "表";
  }
}

std::string AreaName(WorkAreaHandle area) {
  const std::string path = BasGetWorkAreaFileName(area);
  if (path.empty()) return KindName(BasGetWorkAreaType(area)) + "工作区" + num::FormatInt(area);
  const std::size_t slash = path.find_last_of("/\\");
  return slash == std::string::npos ? path : path.substr(slash + 1);
}

std::vector<std::string> FieldNames(WorkAreaHandle area) {
  const int type = BasGetWorkAreaType(area);
  int32_t live = 0, bound = 0;
  CATT_STRU structure;
  if (!BasGetEntityCount(area, type, &live, &bound) || live == 0 || !BasReadAttributeStructure(area, type, &structure))
    return {};
  std::vector<std::string> names;
  for (const CFIELD_HEAD& field : structure.fields) names.push_back(field.name);
  return names;
}

}  // namespace

std::vector<OfferedArea> OfferedAreas(const std::vector<WorkAreaHandle>& handles) {
  std::vector<OfferedArea> offered;
  for (WorkAreaHandle h : handles) {
    if (h == 0 || !BasIsWorkAreaValid(h) ||
        std::any_of(offered.begin(), offered.end(), [h](const OfferedArea& a) { return a.handle == h; }))
      continue;
    offered.push_back({h, AreaName(h), FieldNames(h)});
  }
  return offered;
}

}  // namespace zv::annot
