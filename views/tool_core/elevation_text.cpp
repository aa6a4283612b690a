#include "views/tool_core/elevation_text.h"

#include "framework/text/numbers.h"

namespace zv::toolview {
namespace {

constexpr const char* kElevationField = "高程";

bool IsNumeric(uint8_t type) { return type == kFieldLong || type == kFieldFloat || type == kFieldDouble; }

}  // namespace

std::string LineElevationText(WorkAreaHandle area, int32_t line) {
  AttributeRecord record;
  if (!BasReadAttribute(area, kLineEntity, line, &record) || !record.structure) return "无";
  const std::vector<CFIELD_HEAD>& fields = record.structure->fields;
  for (std::size_t i = 0; i < fields.size(); ++i) {
    double value = 0;
    if (fields[i].name == kElevationField && IsNumeric(fields[i].type) &&
        BasGetFieldDoubleByIndex(record, static_cast<int>(i), &value))
      return num::Format("%7.1f", value);
  }
  return "无";
}

}  // namespace zv::toolview
