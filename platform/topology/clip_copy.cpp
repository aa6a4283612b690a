#include "platform/topology/clip_copy.h"

namespace zv::topo {

void MergeStructure(WorkAreaHandle source, WorkAreaHandle target, int entityType) {
  CATT_STRU from, to;
  if (!BasReadAttributeStructure(source, entityType, &from) || !BasReadAttributeStructure(target, entityType, &to))
    return;
  for (CFIELD_HEAD field : from.fields) {
    if (BasFindField(to, field.name) >= 0) continue;
    field.position = -1;
    BasInsertField(target, entityType, field);
  }
}

void CopyAttribute(WorkAreaHandle source, int entityType, int32_t sourceId, WorkAreaHandle target, int32_t targetId) {
  AttributeRecord record;
  if (BasReadAttribute(source, entityType, sourceId, &record)) BasWriteAttribute(target, entityType, targetId, record);
}

}  // namespace zv::topo
