#pragma once
// A triangulated surface (TIN): elevation points and the triangles of their
// 2-D Delaunay triangulation, built once and then only read.
//
// Building (BuildTin):
//  - Points with the same x and y as an earlier point are dropped (the first
//    one's elevation stays) and counted; non-finite coordinates are dropped
//    and counted too.
//  - Fewer than three distinct points, or all of them on one line, give no
//    surface and a message that says which.
//  - Triangles are listed counter-clockwise by vertex index into points();
//    every kept point is a vertex of some triangle unless it lies within
//    rounding of another (the triangulation then leaves it out).
#include <array>
#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "include/zavediz/records.h"

namespace zv::tin {

struct TinPoint {
  double x = 0, y = 0, z = 0;
};

using Triangle = std::array<int32_t, 3>;

class Tin {
 public:
  Tin(std::vector<TinPoint> points, std::vector<Triangle> triangles);

  const std::vector<TinPoint>& points() const { return points_; }
  const std::vector<Triangle>& triangles() const { return triangles_; }
  // The rectangle of the points and the range of their elevations.
  const D_RECT& extent() const { return extent_; }
  double zMin() const { return zMin_; }
  double zMax() const { return zMax_; }

 private:
  std::vector<TinPoint> points_;
  std::vector<Triangle> triangles_;
  D_RECT extent_{};
  double zMin_ = 0, zMax_ = 0;
};

struct TinBuild {
  std::shared_ptr<const Tin> tin;  // null when no surface could be made
  int64_t duplicates = 0;          // points dropped as repeats of an earlier x, y
  int64_t nonFinite = 0;           // points dropped for a coordinate that is not a number
  std::string error;               // why there is no surface (empty when there is one)
};

TinBuild BuildTin(std::vector<TinPoint> points);

}  // namespace zv::tin
