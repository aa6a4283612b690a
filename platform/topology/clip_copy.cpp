#include "platform/topology/clip_copy.h"

namespace zv::topo {

void MergeStructure(WorkAreaHandle source, WorkAreaHandle target, int entityType) {
  CATT_STRU from;
  if (!BasReadAttributeStructure(source, entityType, &from)) return;
  for (CFIELD_HEAD field : from.fields) {
    field.position = -1;
    EnsureField(target, entityType, field);
  }
}

void CopyAttribute(WorkAreaHandle source, int entityType, int32_t sourceId, WorkAreaHandle target, int32_t targetId) {
  AttributeRecord record;
  if (BasReadAttribute(source, entityType, sourceId, &record)) BasWriteAttribute(target, entityType, targetId, record);
}

}  // namespace zv::topo
