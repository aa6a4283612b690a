#pragma once
// Carrying attribute values from a clipped entity to its results.
#include "platform/data/work_area.h"

namespace zv::topo {

// The target's structure of an entity type gains, at its end, each field of
// the source's structure that it lacks by name.
void MergeStructure(WorkAreaHandle source, WorkAreaHandle target, int entityType);
// The source entity's record written to the target entity (by field names).
void CopyAttribute(WorkAreaHandle source, int entityType, int32_t sourceId, WorkAreaHandle target, int32_t targetId);

}  // namespace zv::topo
