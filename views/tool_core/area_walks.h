#pragma once
// Walks of the tool views over their current work areas: numbering the
// entities' "ID" fields by id, and the inverse of a selection. Ids follow
// the one loop rule of platform/data (1 .. B−1, a deleted id fails its
// read and is skipped).

#include <span>
#include <vector>

#include "platform/data/work_area.h"

namespace zv::toolview {

// Field 0 ("ID") of every readable record of the entity type set to the
// entity's id; the number of records written.
int NumberEntityIds(WorkAreaHandle area, int entityType);

// The current areas of a view by entity type (0 line, 1 point, 2 region).
struct CurrentAreas {
  WorkAreaHandle line = 0;
  WorkAreaHandle point = 0;
  WorkAreaHandle region = 0;
  WorkAreaHandle OfType(int entityType) const;
};

// The selection that inverts `pool`: for each entity type the pool holds
// (points, then lines, then regions), every live entity of the current area
// of that type, in id order, that the pool does not hold. Empty for an
// empty pool.
std::vector<ENTITY_MSG> InvertedPool(std::span<const ENTITY_MSG> pool, const CurrentAreas& areas);

}  // namespace zv::toolview
