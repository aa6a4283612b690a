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

// One line to replace and the pieces that replace it.
struct LinePieces {
  int32_t source = 0;
  std::vector<Polyline> pieces;
};

// Replaces each source line of `area` by its pieces (each a new line with
// the source's parameters and whole attribute record) and deletes the
// sources. However many lines change, the undo store gets two records: the
// sources before their deletion, then the pieces as appended (a record
// reads the area's drawing order, so one per line would cost a pass over
// the whole area each). Per entry, the new ids in piece order; empty for a
// source that does not read, is listed again or has a single piece equal to
// itself (left unchanged).
std::vector<std::vector<int32_t>> ReplaceByPieces(GisUndo& undo, WorkAreaHandle area,
                                                  const std::vector<LinePieces>& lines);

// The lines `ids` of `area` cut where `cutter` crosses them (CutAtCrossings)
// and replaced by their pieces as ReplaceByPieces does; per id, the new ids.
std::vector<std::vector<int32_t>> BreakLinesAtCrossings(GisUndo& undo, WorkAreaHandle area,
                                                        const std::vector<int32_t>& ids, const Polyline& cutter);

}  // namespace zv::tools
