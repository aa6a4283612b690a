#pragma once
// Whether a line, a region or a point lies inside an outline: a set of
// closed rings taken together by the even-odd rule (a region's rings: its
// holes are outside).
//
// Inside means every vertex inside or on the outline and the midpoint of
// every segment inside or on it, so a piece that leaves the outline between
// two vertices is not inside. "On" is within a tolerance relative to the
// outline's size and place (1e-10 of its largest coordinate or diagonal),
// since pieces drawn on an outline end on it only up to rounding.
//
// Each test returns 1 when inside, 0 when not, and 0 for an empty outline
// or an entity that cannot be read. `flag` is accepted for the callers'
// sake.

#include <cstdint>
#include <vector>

#include "platform/data/work_area.h"

namespace zv {

using OutlineRings = std::vector<std::vector<D_DOT>>;

// The tests against one outline, for many entities: the outline's
// tolerance is worked out once. The outline must outlive it.
class InsideTest {
 public:
  explicit InsideTest(const OutlineRings& outline);
  bool Point(const D_DOT& p) const;
  bool Line(const std::vector<D_DOT>& line) const;
  bool Region(const OutlineRings& region) const;

 private:
  bool Covers(const D_DOT& p) const;
  const OutlineRings& rings_;
  D_RECT box_{};
  double tolerance_ = 0;
  bool empty_ = true;
};

int IsPointInPolygon(const D_DOT& p, const OutlineRings& outline);
int IsLineInPolygon(const std::vector<D_DOT>& line, const OutlineRings& outline, int flag = 1);
int IsRegionInPolygon(const OutlineRings& region, const OutlineRings& outline, int flag = 1);
// The same against a region of a work area.
int IsLineInRegion(WorkAreaHandle lineArea, int32_t line, WorkAreaHandle regionArea, int32_t region);
int IsRegionInRegion(WorkAreaHandle area, int32_t region, WorkAreaHandle outerArea, int32_t outer);

}  // namespace zv
