#pragma once
// A regular grid of the surface's values, written as plain text in the
// "DSAA" layout that gridding and mapping programs read:
//   DSAA
//   columns rows
//   xlo xhi
//   ylo yhi
//   zlo zhi
//   then the rows from ylo upwards, each row's values from xlo, ten a line.
// Nodes outside the triangles hold the blank value 1.70141e+38; zlo and zhi
// are the range of the others. Numbers are written in the C locale.
#include <cstdint>
#include <string>

#include "platform/tin/tin.h"

namespace zv::tin {

inline constexpr double kBlankNode = 1.70141e+38;
// The most nodes one grid may have.
inline constexpr int64_t kMaxGridNodes = 4'000'000;

struct GridSpec {
  double x0 = 0, y0 = 0, step = 1;
  int64_t columns = 0, rows = 0;
};

// The grid step offered first: a hundredth of the extent's longer side.
double DefaultGridStep(const D_RECT& extent);

// The grid over the extent from its lower left corner, enough nodes to reach
// its upper right one; an error for a step that is not above zero or a grid
// of more than kMaxGridNodes.
struct GridChoice {
  GridSpec spec;
  std::string error;
};
GridChoice GridOver(const D_RECT& extent, double step);

// The whole text of the grid of the surface's values.
std::string DsaaText(const Tin& tin, const GridSpec& spec);

}  // namespace zv::tin
