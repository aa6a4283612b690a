#include "annotation/core/key_field_choice.h"

namespace zv::annot {

std::vector<std::string> FileFieldNames(WorkAreaHandle area) {
  if (area == 0) return {};
  const int type = BasGetWorkAreaType(area);
  int32_t live = 0, bound = 0;
  if (!BasGetEntityCount(area, type, &live, &bound) || live == 0) return {};
  AttributeRecord record;
  for (int32_t id = 1; id < bound; ++id) {
    if (BasReadAttribute(area, type, id, &record) != 1) continue;
    std::vector<std::string> names;
    for (const CFIELD_HEAD& field : record.structure->fields) names.push_back(field.name);
    return names;
  }
  return {};
}

std::vector<ChosenColumn> ChooseColumns(const std::vector<std::string>& list, const std::vector<bool>& selected,
                                        const std::vector<std::string>& fieldNames) {
  std::vector<ChosenColumn> chosen;
  for (std::size_t i = 0; i < list.size() && i < selected.size(); ++i) {
    if (!selected[i]) continue;
    std::string name = list[i];
    for (const std::string& field : fieldNames)
      if (field == list[i]) name += std::to_string(i);
    chosen.push_back({std::move(name), static_cast<int>(i)});
  }
  return chosen;
}

}  // namespace zv::annot
