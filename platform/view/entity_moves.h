#pragma once
// Moving entities by an offset, shared by the view's drag modes and the
// editor's move commands. Regions move by their arcs.

#include <vector>

#include "platform/data/work_area.h"
#include "platform/view/gis_undo.h"

namespace zv {

// The arcs a region names, without their direction, in list order (none
// when it cannot be read).
std::vector<int32_t> RegionArcs(WorkAreaHandle area, int32_t region);

// Shifts one point or line by (dx, dy), with no undo record.
void ShiftEntity(const ENTITY_MSG& e, double dx, double dy);

// The entities a move of `picked` shifts: its live points and lines, then
// the arcs of its live regions, each once.
std::vector<ENTITY_MSG> EntitiesToMove(const std::vector<ENTITY_MSG>& picked);

// Moves one vertex (0-based) of a line, recorded as a changed-entity undo
// record; a closed line keeps its ends together. False when the line or the
// vertex is not there.
bool MoveVertex(GisUndo& undo, WorkAreaHandle area, int32_t line, int32_t index, const D_DOT& to);

// Shifts points and lines by (dx, dy), recorded before the change as one
// changed-entities undo record; the number moved (0 for an empty list or a
// zero offset, when nothing is recorded).
int ShiftEntities(GisUndo& undo, const std::vector<ENTITY_MSG>& entities, double dx, double dy);

}  // namespace zv
