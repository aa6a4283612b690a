#pragma once
// Elevation points taken from a view's work areas.
//
//  - Points: each live point of a point area gives its position and its
//    elevation: the value of its field "高程" when the area's structure has
//    that field as a number (long, float or double), else its text when the
//    whole text (blanks around it allowed) is one finite number in the C
//    locale. A point with neither is skipped.
//  - Lines: every vertex of each live line of a line area whose field "高程"
//    is a number gives that vertex at the line's elevation; lines without it
//    (or with a value that is not finite) are skipped.
// Entities are read in id order. Nothing in the areas changes.
#include <cstdint>
#include <string>
#include <vector>

#include "platform/data/work_area.h"
#include "platform/tin/tin.h"

namespace zv::tin {

inline constexpr const char* kElevationField = "高程";

struct ElevationTake {
  std::vector<TinPoint> points;
  int64_t entities = 0;  // points or lines whose elevation was taken
  int64_t skipped = 0;   // points or lines without one
};

ElevationTake ElevationsOfPoints(WorkAreaHandle pointArea);
ElevationTake ElevationsOfLines(WorkAreaHandle lineArea);

// "点高程值N个，跳过M个点" and "线高程值N个（K条线），跳过M条线".
std::string PointTakeReport(const ElevationTake& take);
std::string LineTakeReport(const ElevationTake& take);

// What a build did, after the source's own report: the repeats it dropped,
// then the surface's size or why there is none.
std::string BuildReport(const TinBuild& build);

}  // namespace zv::tin
