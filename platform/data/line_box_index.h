#pragma once
// Inside the library: the boxes of an area's lines on a uniform grid, so a
// rectangle finds the lines near it without reading every line. Not for
// callers.

#include <cstdint>
#include <vector>

#include "include/zavediz/records.h"

namespace zv::detail {

// Why a grid: the lines of a map are many, of like size and spread over its
// extent, and most questions name a small rectangle; a grid sized to the
// count of lines keeps a few per cell and is updated in place from the ids
// each change names. A box spanning many cells (or holding a non-finite
// coordinate) goes to a short list read whole instead. The grid is laid over
// the extent it was built on; lines drawn beyond it crowd its border cells,
// so once the changes since the build outnumber the lines it was built with,
// the owner builds it again (a cost spread over those changes).
class LineBoxIndex {
 public:
  bool Built() const { return built_; }
  void Drop();
  // An empty grid over `extent` sized for `expected` lines.
  void Start(const D_RECT& extent, int32_t expected);
  // Enters the id with its box, or moves it there.
  void Put(int32_t id, const D_RECT& box);
  void Remove(int32_t id);
  bool WantsRebuild() const { return changes_ > rebuildAfter_; }
  // Ids whose box meets the rectangle (edges included), ascending.
  std::vector<int32_t> Meeting(const D_RECT& rect) const;

 private:
  struct Span {
    int x0, y0, x1, y1;
  };
  Span CellsOf(const D_RECT& box) const;
  bool Wide(const D_RECT& box, const Span& span) const;
  std::vector<int32_t>& Cell(int x, int y) { return cells_[static_cast<std::size_t>(y) * columns_ + x]; }

  bool built_ = false;
  double x0_ = 0, y0_ = 0, cellWidth_ = 1, cellHeight_ = 1;
  int columns_ = 1, rows_ = 1;
  std::vector<std::vector<int32_t>> cells_;
  std::vector<int32_t> wide_;
  std::vector<D_RECT> boxes_;  // by id
  std::vector<uint8_t> held_;  // by id: 0 absent, 1 in cells, 2 in wide_
  int64_t changes_ = 0, rebuildAfter_ = 0;
};

// Whether two boxes meet, edges included.
inline bool BoxesMeet(const D_RECT& a, const D_RECT& b) {
  return !(a.xmax < b.xmin || a.xmin > b.xmax || a.ymax < b.ymin || a.ymin > b.ymax);
}

}  // namespace zv::detail
