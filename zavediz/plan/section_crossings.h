#pragma once
// Where the section line drawn on the plan meets the contour lines.
//
// A contour counts once each time it passes from one side of the section
// line to the other, whether it crosses inside a segment, through one of its
// own vertices or through a vertex of the section line. Along a stretch it
// shares with the section line it counts once, at the stretch's end nearer
// the section's start, and only when it leaves on the other side; a contour
// that only touches the line counts nothing, nor does a passage exactly at
// the line's two ends. A closed contour (first vertex = last) has no ends.
// "On the line" is exact: coordinates typed on a grid meet exactly.
//
// Crossing lists are ordered by distance along the section line; equal
// distances keep the order in which the segments of the section line, the
// contour ids and the contour segments come.

#include <cstdint>
#include <vector>

#include "common/point_rec_list.h"
#include "zavediz/records.h"

namespace zv::zavediz {

// The section line as a polyline with its running lengths (plan units).
class SectionPath {
 public:
  explicit SectionPath(std::vector<D_DOT> vertices);

  const std::vector<D_DOT>& vertices() const { return vertices_; }
  int SegmentCount() const { return static_cast<int>(vertices_.size()) - 1; }
  // Length through the first i + 1 vertices (to vertex i).
  double LengthTo(int i) const { return lengths_[static_cast<size_t>(i)]; }
  double Length() const { return lengths_.back(); }

  // Where a point lies exactly on the line: the segment (1-based; the segment
  // ending there for an interior vertex), the vertex (−1 inside a segment)
  // and the distance from the start. `segment` is 0 when off the line.
  struct Location {
    int segment = 0;
    int vertex = -1;
    double distance = 0.0;
  };
  Location Locate(const D_DOT& p) const;
  // +1 left, −1 right, 0 along the line: the side a short step from the
  // located point in direction `d` leads to.
  int SideOf(const Location& at, const D_DOT& d) const;
  // True when a and b (both on the line) lie on one of its segments.
  bool ShareSegment(const D_DOT& a, const D_DOT& b) const;
  bool IsEnd(const Location& at) const;
  const D_RECT& Extent() const { return extent_; }

 private:
  std::vector<D_DOT> vertices_;
  std::vector<double> lengths_;
  D_RECT extent_{};
};

struct Crossing {
  int32_t lineId = 0;
  D_DOT at{};
  double distance = 0.0;  // along the section line, plan units
  int segment = 0;        // of the section line, 1-based
  int32_t contourIndex = 0;
};

// Appends every crossing of one contour with the path (in no set order).
void FindContourCrossings(const SectionPath& path, int32_t lineId, const std::vector<D_DOT>& contour,
                          std::vector<Crossing>& out);

// Orders crossings by distance, equal distances in arrival order.
void SortCrossings(std::vector<Crossing>& crossings);

// The crossing list: one record (line id, x, y, "0", distance) per crossing
// and one (0, x, y, "1", length to it) per interior vertex of the path, in
// order. `crossings` must be sorted. The list is emptied first.
void FillCrossingList(const SectionPath& path, const std::vector<Crossing>& crossings, CPointRecList& list);

}  // namespace zv::zavediz
