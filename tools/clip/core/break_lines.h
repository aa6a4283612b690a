#pragma once
// Breaking lines: where a cutting polyline crosses them (the clip tool's
// modes 1 and 2), and at their own vertices and self-crossings inside a
// window (mode 3). The geometry works on vertex lists; the work-area calls
// replace each broken line by its pieces as one record on the undo store
// given (the caller brackets the step). No Qt.
//
// Pieces shorter than kShortestPiece are never written: their vertices stay
// in the piece being built, so no length is lost. A vertex equal to the one
// before it in a piece is not repeated.

#include <cstdint>
#include <vector>

#include "platform/view/gis_undo.h"

namespace zv::tools {

inline constexpr double kShortestPiece = 0.0001;

using Polyline = std::vector<D_DOT>;

// The pieces of `line` cut wherever a segment of `cutter` crosses one of its
// segments (SegmentsCross, the cutting segment as A); the crossings on one
// segment are taken in their order along it. One piece (the line itself)
// when nothing crosses it.
std::vector<Polyline> CutAtCrossings(const Polyline& line, const Polyline& cutter);

// The pieces of `line` cut at every vertex and self-crossing that lies in
// `window` (edges included). Every pair of non-adjacent segments is tested,
// so a crossing splits both segments it lies on; outside the window the line
// keeps its vertices and gains no crossing.
std::vector<Polyline> CutAtNodes(const Polyline& line, const D_RECT& window);

// The live lines of `area` (ids ascending) that `cutter` crosses, except the
// line `skip` (0: none skipped).
std::vector<int32_t> LinesCrossedBy(WorkAreaHandle area, const Polyline& cutter, int32_t skip);

// Replaces line `source` of `area` by `pieces` (each a new line with the
// source's parameters and whole attribute record) and deletes the source;
// the undo store records the source before its deletion and the pieces as
// appended. The new ids in piece order; nothing changes (empty result) when
// there is a single piece equal to the source or the source does not read.
std::vector<int32_t> ReplaceByPieces(GisUndo& undo, WorkAreaHandle area, int32_t source,
                                     const std::vector<Polyline>& pieces);

}  // namespace zv::tools
