#pragma once
// The terrain profile of a section line, built from its crossing list, and
// the elevation a profile gives at a distance.
//
// Units: the crossing list is in plan units (mm at 1:P); the profile is in
// section mm at 1:S: a plan distance d becomes d × P / S, an elevation of h
// metres becomes h × 1000 / S.

#include <cstdint>
#include <functional>
#include <optional>
#include <string>

#include "common/point_rec_list.h"
#include "zavediz/records.h"

namespace zv::zavediz {

// The elevation in metres of a contour by its id; none when its attribute
// record cannot be read or holds no elevation.
using ContourElevation = std::function<std::optional<double>(int32_t lineId)>;

// Fills `terrain` with (0, distance, elevation, "", 0.0) points: the start
// (0, e0), one point per crossing with an elevation (|e| ≥ 0.0001; contours
// without one leave no point), one per interior vertex of the line, and the
// end (L, eN), L being the length start → records → end. Vertex, start and
// end elevations continue the slope of the two nearest points that have
// different distances. False, with `terrain` untouched, when fewer than two
// crossings at different distances carry an elevation.
bool BuildTerrainProfile(const CPointRecList& crossings, const D_DOT& start, const D_DOT& end, int32_t planScale,
                         int32_t sectionScale, const ContourElevation& elevationOf, CPointRecList& terrain);

// The profile's elevation at distance d (section mm), interpolated between
// the first pair of neighbours around d (at a distance two points share, the
// first one's); none outside the profile.
std::optional<double> ElevationAtDistance(const CPointRecList& terrain, double d);

// The same as the plan's commands take it: 0.0 outside the profile, with
// the message that says so put into `message`.
double ElevationOrOutside(const CPointRecList& terrain, double d, std::string& message);

}  // namespace zv::zavediz
