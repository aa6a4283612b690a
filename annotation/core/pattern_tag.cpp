#include "annotation/core/pattern_tag.h"

#include "annotation/core/area_ids.h"

namespace zv::annot {

CFIELD_HEAD PatternTag() {
  CFIELD_HEAD field;
  field.name = kPatternTagName;
  field.type = kFieldLong;
  field.length = 8;
  field.editFlag = 2;
  field.position = -1;
  return field;
}

bool EnsurePatternTag(WorkAreaHandle area, int entityType) { return EnsureField(area, entityType, PatternTag()); }

int32_t ReadPatternTag(WorkAreaHandle area, int entityType, int32_t id) {
  AttributeRecord record;
  if (BasReadAttribute(area, entityType, id, &record) != 1) return 0;
  int32_t value = 0;
  if (BasReadFieldValue(record, kPatternTagName, &value, sizeof value) == 0) return 0;
  return value;
}

bool WritePatternTag(WorkAreaHandle area, int entityType, int32_t id, int32_t tag) {
  AttributeRecord record;
  if (BasReadAttribute(area, entityType, id, &record) != 1) return false;
  if (!BasSetFieldByName(record, kPatternTagName, static_cast<double>(tag))) return false;
  return BasWriteAttribute(area, entityType, id, record) == 1;
}

void TaggingSink::TagLast(WorkAreaHandle area, int entityType, int32_t boundBefore) {
  const int32_t id = IdBound(area, entityType) - 1;
  if (id >= boundBefore && id > 0) WritePatternTag(area, entityType, id, tag_);
}

void TaggingSink::Line(const std::vector<D_DOT>& vertices, const LIN_INFO& info) {
  const int32_t before = IdBound(lines_, kLineEntity);
  WorkAreaHatchSink::Line(vertices, info);
  TagLast(lines_, kLineEntity, before);
}

void TaggingSink::Region(const std::vector<D_DOT>& arc, const LIN_INFO& arcInfo, const REG_INFO& info) {
  const int32_t before = IdBound(regions_, kRegionEntity);
  WorkAreaHatchSink::Region(arc, arcInfo, info);
  TagLast(regions_, kRegionEntity, before);
}

void TaggingSink::Point(const D_DOT& position, const PNT_INFO& info) {
  const int32_t before = IdBound(points_, kPointEntity);
  WorkAreaHatchSink::Point(position, info);
  TagLast(points_, kPointEntity, before);
}

}  // namespace zv::annot
