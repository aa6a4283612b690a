#pragma once
// An oblique parallel view of the surface, for drawing beside the data.
//
// The surface is sampled on a grid of kObliqueNodes × kObliqueNodes nodes
// over its extent and seen from azimuth 225° (from the south-west) at 30°
// above the horizon, with the relief stretched so that the surface's range
// of values is a quarter of the extent's longer side high. The picture's
// lower left corner lies right of the extent, a tenth of that side away, at
// the height of the extent's bottom. Nodes outside the triangles are blank.
#include <vector>

#include "include/zavediz/records.h"
#include "platform/tin/tin.h"

namespace zv::tin {

inline constexpr int kObliqueNodes = 50;

struct ObliqueGrid {
  int n = kObliqueNodes;
  std::vector<D_DOT> picture;  // row by row, row 0 the extent's bottom
  std::vector<double> value;   // NaN where blank
  std::vector<double> depth;   // distance into the view; larger is farther
  bool Blank(int row, int column) const;
  const D_DOT& At(int row, int column) const { return picture[row * n + column]; }
};

ObliqueGrid ObliqueView(const Tin& tin);

// The grid's row and column lines in the picture, each broken where nodes
// are blank (pieces of fewer than two nodes are left out).
std::vector<std::vector<D_DOT>> ObliqueGridLines(const ObliqueGrid& grid);

struct ObliqueCell {
  std::vector<D_DOT> ring;  // closed, counter-clockwise in the picture
  double value = 0;         // the mean of its four corners
};

// The cells whose four corners have values, farthest first, so that drawing
// them in order lets nearer cells cover farther ones.
std::vector<ObliqueCell> ObliqueCells(const ObliqueGrid& grid);

}  // namespace zv::tin
