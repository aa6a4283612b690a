#pragma once
// Questions the drawing passes ask of a section's terrain profile (records
// (id, distance mm, elevation mm, name), ascending by distance; positions
// 1-based). Queries outside the profile tell the user through `tell` and
// give 0.0 (or nothing), as the passes go on with that value. Lookups by
// distance search the sorted list, so a pass that asks once per tick or
// span stays near-linear in the profile's length.

#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "common/point_rec_list.h"
#include "platform/data/work_area.h"

namespace zv::zavediz {

using Tell = std::function<void(const std::string& message)>;

inline constexpr const char* kOutsideLine1Message = "不在勘探线范围之内1！！！";
inline constexpr const char* kOutsideLine2Message = "不在勘探线范围之内2！";
inline constexpr const char* kOutsideLine3Message = "不在勘探线范围之内3！";
inline constexpr const char* kOutsideLine4Message = "不在勘探线范围之内4！";

// One record (the profile is not empty and `position` within it).
struct ProfilePoint {
  double x = 0.0;
  double y = 0.0;
  std::string name;
};
ProfilePoint ProfileAt(const CPointRecList& terrain, int32_t position);

// The largest elevation (TerrainTop), or by `flag` the largest (1) or the
// smallest (0).
double TerrainTop(const CPointRecList& terrain);
double TerrainExtreme(const CPointRecList& terrain, int flag);

// The elevation at distance x: a record at exactly x gives its own, else
// the segment that strictly holds x is interpolated. Outside the profile:
// message 1 and 0.0.
double TerrainElevationAt(const CPointRecList& terrain, double x, const Tell& tell);

// The overburden base at x (elevation − thickness), a record within 0.0001
// of x giving its own elevation. Outside: message 4 and 0.0.
double OverburdenBaseAt(const CPointRecList& terrain, double x, double thickness, const Tell& tell);

// The overburden base from `from` to `to`: its two ends and every record
// strictly between. A `from` outside the profile (beyond 0.0001 of its
// first distance): message 2; a `to` beyond the last distance by 0.0001 or
// more: message 3; both give no points. A `to` just past the last distance
// is taken as the last distance.
std::vector<D_DOT> CollectOverburdenBase(const CPointRecList& terrain, double thickness, double from, double to,
                                         const Tell& tell);

// The stretch from distance a to distance b (either order) that lies on
// the profile: its ends in ascending order, clipped to the profile's first
// and last distance, and whether clipping took part of it away. None when
// it misses the profile (or the profile is empty).
struct ProfileStretch {
  double from = 0.0;
  double to = 0.0;
  bool clipped = false;
};
std::optional<ProfileStretch> StretchOnProfile(const CPointRecList& terrain, double a, double b);

// Where the profile crosses elevation E, in profile order: once per segment
// whose ends lie on different sides (below E, or not). None when E lies
// outside the profile's elevations.
std::vector<double> TerrainCrossings(const CPointRecList& terrain, double e);

}  // namespace zv::zavediz
