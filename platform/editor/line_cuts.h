#pragma once
// Cutting and joining lines, with undo. No Qt.

#include <cstdint>
#include <vector>

#include "platform/view/gis_undo.h"

namespace zv::editor {

// A place on a line: the segment (from vertex `segment` to the next) and the
// point on it.
struct LinePlace {
  int32_t segment = 0;
  double t = 0.0;  // 0 at the segment's start, 1 at its end
  D_DOT at{};
};

// The place on the line nearest to `p`.
bool NearestPlace(WorkAreaHandle area, int32_t line, const D_DOT& p, LinePlace* place);

// Cuts the line at the places: the pieces meet at each cut point. The first
// piece keeps the line's id, the others are new lines with its parameters
// and attributes. The ids of all pieces; empty when nothing was cut (a cut
// at an end of the line cuts nothing).
std::vector<int32_t> CutLineAt(GisUndo& undo, WorkAreaHandle area, int32_t line, std::vector<LinePlace> places);

// Cuts the line at the place nearest to `p`. With `keepPoint` both pieces
// end at the cut point; without it the segment cut is dropped, and the
// pieces end at its two vertices (a piece left with one vertex is dropped,
// so cutting an end segment shortens the line).
std::vector<int32_t> ClipLineAt(GisUndo& undo, WorkAreaHandle area, int32_t line, const D_DOT& p, bool keepPoint);

// Joins line `b` onto line `a` at their nearest ends (a's end turned to meet
// b's start as needed); `b` is deleted. False when either is missing or
// they are the same line.
bool ChainLines(GisUndo& undo, WorkAreaHandle area, int32_t a, int32_t b);

// Cuts every other line of the area where it crosses `line`; with
// `cutMother` the line itself is cut there too. The number of cuts made.
int ClipAtIntersections(GisUndo& undo, WorkAreaHandle area, int32_t line, bool cutMother);

}  // namespace zv::editor
