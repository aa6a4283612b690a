#pragma once
// Brings an entity to the middle of a view: the window moves so that the
// centre of the entity's bounding rectangle is the window's centre, at the
// same zoom, and the map is drawn again.

#include "platform/data/work_area.h"

namespace zv {

class CGisView;

// Nothing happens for an entity that is not live or of no known type.
void CenterOnEntity(CGisView& view, const ENTITY_MSG& entity);

}  // namespace zv
