#pragma once
// Contour bands: the surface cut into faces by its contour lines and its
// outer boundary, each face with the band its values fall in.
//
// The boundary is traced from the triangles' outer edges, with the points
// where open contour lines end put into it, so that lines and boundary meet
// at the very same points; the line work is noded and polygonised (GEOS).
// A face's band is the number of levels at or below the surface's value at a
// point inside the face: 0 below the first level, levels.size() above the
// last.
#include <span>
#include <vector>

#include "include/zavediz/records.h"
#include "platform/tin/tin.h"
#include "platform/tin/tin_contours.h"

namespace zv::tin {

struct BandFace {
  // The shell counter-clockwise first, then the holes clockwise; each ring
  // closed (last point = first).
  std::vector<std::vector<D_DOT>> rings;
  int band = 0;
};

// `lines` are the contours of `levels` on `tin` (TraceContours).
std::vector<BandFace> ContourBands(const Tin& tin, std::span<const double> levels,
                                   const std::vector<ContourLine>& lines);

// The band of a value: how many of the ascending levels are at or below it.
int BandOf(double value, std::span<const double> levels);

// The fill colour number of a band: bands step through a ring of hues of the
// colour table (of `colourCount` numbers), so neighbouring bands differ.
long BandColour(int band, int colourCount);

// The outer boundary of the surface: one closed ring per boundary loop,
// counter-clockwise, through the corners on it.
std::vector<std::vector<D_DOT>> TinBoundary(const Tin& tin);

}  // namespace zv::tin
