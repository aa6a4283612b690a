#pragma once
// Gathering a legend sample from the map: the outline each way of choosing
// it gives, and everything of the source work areas inside the outline,
// clipped, moved and scaled so that the outline becomes the item box, 12
// wide and 8 high, centred on the origin.
//
// The sources are never changed. What a sample holds lives in its own
// work-area set and is released with it.

#include <array>
#include <memory>
#include <span>

#include "platform/data/scratch_set.h"
#include "platform/data/work_area.h"

namespace zv::annot {

inline constexpr double kLegendItemWidth = 12.0;
inline constexpr double kLegendItemHeight = 8.0;
// Half the box a pick gathers around its point: the item box itself.
inline constexpr double kPickHalfWidth = 6.0;
inline constexpr double kPickHalfHeight = 4.0;
// Clipping tolerance of the gathering, in map units.
inline constexpr double kGatherTolerance = 0.01;

// Corner 1, corner 2, corner 3, corner 4 and corner 1 again.
using GatherOutline = std::array<D_DOT, 5>;

// (x − 6, y + 4), (x + 6, y + 4), (x + 6, y − 4), (x − 6, y − 4).
GatherOutline OutlineAroundPoint(const D_DOT& p);
// (xmin, ymin), (xmin, ymax), (xmax, ymax), (xmax, ymin).
GatherOutline OutlineOfRect(const D_RECT& r);
// (p1.x, p1.y), (p2.x, p1.y), (p2.x, p2.y), (p1.x, p2.y).
GatherOutline OutlineOfDrag(const D_DOT& p1, const D_DOT& p2);

// The outline's width |c3.x − c1.x| and height |c3.y − c1.y| are both finite
// and above zero: the scale to the item box is finite.
bool OutlineHasSize(const GatherOutline& outline);

// A gathered sample: a point, a line and a region area in a set of its own.
class LegendSample {
 public:
  LegendSample();
  WorkAreaHandle points() const { return points_; }
  WorkAreaHandle lines() const { return lines_; }
  WorkAreaHandle regions() const { return regions_; }

 private:
  ScratchSet set_;
  WorkAreaHandle points_, lines_, regions_;
};

// Clips each source by its type (point, line and region areas; others are
// skipped) by the outline, keeping what lies inside, into the sample; then
// moves the outline's centre to the origin, scales by (12 / w, 8 / h) and
// scales the points' size fields the same way. Entities whose rectangle
// misses the outline are not handed to the clip. Null when the outline has
// no size.
std::unique_ptr<LegendSample> GatherLegendSample(const GatherOutline& outline,
                                                 std::span<const WorkAreaHandle> sources);

}  // namespace zv::annot
