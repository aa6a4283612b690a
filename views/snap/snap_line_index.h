#pragma once
// A grid index over the segments of one line work area, for the cursor
// snapping search: it answers which lines have a segment that may lie within
// a distance of a point, in id order, so the search reads those lines only
// and finds what a walk over every line finds.
//
// The index follows the area through its change notification: changed ids
// are indexed again at the next query, and a change it missed (the revision
// moved without it being told) or a cleared area rebuilds it whole. A line
// id is kept in every cell its segments' boxes meet; points beyond the grid
// fall into its border cells, so lines added outside the original extent
// are still found. Coordinates that are not finite never index a line
// anywhere but cell 0 (such a line never wins a distance test).
//
// Main thread only, as the work areas.

#include <cstdint>
#include <memory>
#include <unordered_map>
#include <vector>

#include "platform/data/work_area.h"

namespace zv::snap {

class LineIndex {
 public:
  explicit LineIndex(WorkAreaHandle area);
  ~LineIndex();
  LineIndex(const LineIndex&) = delete;
  LineIndex& operator=(const LineIndex&) = delete;

  WorkAreaHandle area() const { return area_; }
  // The ids, ascending, of the live lines with a segment whose box meets
  // the square of half-side `radius` around `p`: every line with a vertex or
  // a segment nearer than `radius` is among them.
  void LinesNear(const D_DOT& p, double radius, std::vector<int32_t>* ids);
  // How many times the grid was built whole (tests).
  int rebuilds() const { return rebuilds_; }
  // The grid's cells (tests).
  std::size_t cells() const { return cells_.size(); }

 private:
  struct CellRange {
    int32_t x0, y0, x1, y1;
  };
  void OnChange(const WorkAreaChange& change);
  void Rebuild();
  void Reindex(int32_t id);
  void Unindex(int32_t id);
  void Index(int32_t id, const std::vector<D_DOT>& vertices);
  int32_t Column(double x) const;
  int32_t Row(double y) const;
  CellRange RangeOf(double xmin, double ymin, double xmax, double ymax) const;
  void CatchUp();

  WorkAreaHandle area_;
  int listener_ = 0;
  uint64_t revisionSeen_ = 0;
  bool stale_ = true;
  std::vector<int32_t> dirty_;
  double x0_ = 0, y0_ = 0, cell_ = 1;
  int32_t columns_ = 1, rows_ = 1;
  std::vector<std::vector<int32_t>> cells_;
  std::unordered_map<int32_t, std::vector<uint32_t>> lineCells_;
  std::vector<uint32_t> stamps_;
  uint32_t stamp_ = 0;
  int rebuilds_ = 0;
};

// One index per line area, made on first use.
class LineIndexes {
 public:
  LineIndex& Of(WorkAreaHandle area);
  void Clear() { indexes_.clear(); }

 private:
  std::unordered_map<WorkAreaHandle, std::unique_ptr<LineIndex>> indexes_;
};

}  // namespace zv::snap
