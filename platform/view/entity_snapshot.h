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

struct EntitySnapshot {
  ENTITY_MSG entity;
  D_DOT position{};
  std::string text;
  PNT_INFO pointInfo;
  std::vector<D_DOT> vertices;
  LIN_INFO lineInfo;
  std::vector<int32_t> arcs;
  REG_INFO regionInfo;
  std::optional<AttributeRecord> attribute;
  int64_t orderIndex = -1;  // position among the live ids in drawing order
};

// The entity as it is now; nullopt when it is not live. `order` is the live
// drawing order of its area and type (BasGetDisplayOrder), or null to leave
// the position unrecorded.
std::optional<EntitySnapshot> CaptureEntity(const ENTITY_MSG& entity, const std::vector<int32_t>* order);

// Puts the entity back as captured: rewrites it when live, brings it back
// at its id when deleted. False when its work area is gone.
bool RestoreEntity(const EntitySnapshot& snapshot);

// Brings a deleted entity back at its id with the given content (the data
// library hands an id out only once, so the slot is still free); false when
// the entity is live, the id was never given or the area is gone.
bool ReviveEntity(const EntitySnapshot& snapshot);

}  // namespace zv
