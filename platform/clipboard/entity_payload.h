#pragma once
// Picked entities as the clipboard carries them: the live entities of a
// selection copied, with their parameters, attributes and the arcs of their
// regions, into one point, one line and one region file of the program's
// own layout, put together in a small container. Pasting reads the files
// back and appends what they hold to the given areas.
//
// Container: "ZVCLIP1" and a zero byte, then for the point, line and region
// file in that order a 32-bit little-endian length and the file's bytes
// (length 0: none).

#include <cstdint>
#include <span>
#include <string>
#include <vector>

#include "platform/data/work_area.h"

namespace zv::clipboard {

// The live entities of the pool; empty when none of them is live.
std::vector<uint8_t> EncodeEntities(std::span<const ENTITY_MSG> pool);

// What a paste appended, by area and type (a region area also gets the
// arcs of its regions, as lines), for the undo store.
struct PastedIds {
  WorkAreaHandle area = 0;
  int entityType = kLineEntity;
  std::vector<int32_t> ids;
};

// Appends the payload's points, lines and regions to the three areas at
// the same coordinates. Without attributes the entities get empty records;
// with them, values go over by field name. False, with nothing appended and
// `error` saying why, when the bytes are not a payload or an area cannot
// take its part.
bool PasteEntities(std::span<const uint8_t> payload, WorkAreaHandle pointArea, WorkAreaHandle lineArea,
                   WorkAreaHandle regionArea, bool withAttributes, std::vector<PastedIds>& pasted, std::string& error);

}  // namespace zv::clipboard
