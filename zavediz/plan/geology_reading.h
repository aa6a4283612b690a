#pragma once
// Reading where the geological boundaries of the plan (the arcs of a region
// work area) cross the section line, into the section data: the crossing
// list in plan units, and, on the first reading of a section line, the
// boundary list in section units with its inner points added to the
// terrain profile as "inf" points.
//
// The crossings are taken against the straight line between the section's
// ground ends, also for a section along a polyline. The crossing list runs
// along the line from its start: the start point, the crossings by their
// distance from it (those at one distance in the order the arcs give them),
// the end point; the two ends carry the id of the first arc read.

#include <string>
#include <vector>

#include "platform/data/work_area.h"
#include "zavediz/section_data/section_data.h"

namespace zv::zavediz {

// What a reading did: `refused` (no section line stored: nothing read) or
// read, with the messages to tell in order ("没有弧段和剖面相交！" only on a
// first reading).
struct GeologyReading {
  bool refused = false;
  std::vector<std::string> messages;
};

// Refills the crossing list from `regionArea`. While `geologyRead` is
// false the boundary list and the profile take the crossings and
// `geologyRead` becomes true; a later reading of the same line adds
// nothing to them. A region area without an arc of two vertices (none
// current, or empty) reads nothing and leaves `geologyRead` as it was.
// An arc passing through the line at one of its vertices crosses there.
GeologyReading ReadGeologyCrossings(SectionData& data, bool& geologyRead, WorkAreaHandle regionArea);

}  // namespace zv::zavediz
