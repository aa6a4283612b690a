#pragma once
// The pick modes' apply operations (CurrentPickMode −4 .. −1): the current
// default parameters go onto the picked entities.
//   −4  the colour number of the default region record (its first field)
//       into each entity's own colour field, by the entity's type;
//   −3  the default region record onto every entry;
//   −2  the default line record onto every entry;
//   −1  the default sub-graph record onto every entry.
// An entry whose type does not take the record is left alone (its write
// fails). Nothing happens unless the pool's first entry names an open work
// area.
//
// The views apply on every mouse move of a pick, so one undo step (the
// whole pool, kind 2) is recorded only when the apply changes a byte of
// some entity: moving the mouse never grows the undo store by itself.

#include <cstdint>
#include <span>

#include "platform/data/work_area.h"
#include "platform/view/gis_undo.h"

namespace zv::toolview {

// True when anything changed.
bool ApplyPickMode(int16_t pickMode, std::span<const ENTITY_MSG> pool, GisUndo& undo);

}  // namespace zv::toolview
