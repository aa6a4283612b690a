#pragma once
// A whole entity as the undo store keeps it: geometry, text, graphic
// parameters, attribute record and place in the display order, enough to
// put it back exactly, at its own id, whether it was changed or deleted
// since.

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "platform/data/work_area.h"

namespace zv {

struct EntitySnapshot : EntityContent {
  ENTITY_MSG entity;
};

// The entity as it is now; nullopt when it is not live. `order` is the live
// drawing order of its area and type (BasGetDisplayOrder), or null to leave
// the position unrecorded.
std::optional<EntitySnapshot> CaptureEntity(const ENTITY_MSG& entity, const std::vector<int32_t>* order);

// Puts the entity back as captured: rewrites it when live, brings it back
// at its id when deleted. False when its work area is gone.
bool RestoreEntity(const EntitySnapshot& snapshot);

// Deletes a point, line or region; 0 when it was not there.
int DeleteEntity(const ENTITY_MSG& entity);

}  // namespace zv
