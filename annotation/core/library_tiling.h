#pragma once
// Library pattern tiling on the map: the cell of a pattern-library entry
// repeated over a grid that covers a ring set, its elements turned into
// regions, lines and points, what lies inside kept, tagged, and appended to
// the current work areas.
//
// The grid lies in the frame turned by minus the settings' angle: cells of
// Xs × Ys from the lower-left corner of the turned rings' box, cols ×
// rows cells; with the gradient (angle kind 0) g more rows above and below
// the box, g = trunc(tan(half) × box width × 0.5 / Ys) + 1, half = (end −
// start) / 2 degrees, and, unless the fan is not allowed (the trend fill),
// every cell point bent toward the box's centre line:
// y := cy + (y − cy)(D − (x − cx)) / D, D = box height / tan(half) × 0.5 (a D
// of 0 or not finite bends nothing).
//
// Elements: kinds 0 and 1 become one-arc regions filled with the element
// colour, cut at the rings by the platform's region clipping; kind 2 lines,
// cut by its line clipping; kinds 3 (arc), 4 and 5 (discs) and 6 (circle)
// points, kept when their centre lies inside or on the rings; other kinds
// nothing. Element colour 0 means the pattern colour. When the pattern line
// width is 0, each element draws with its own width × 0.05 until a later
// element sets another. The point records are shared between elements: a
// kind writes only its own fields.

#include <string>
#include <vector>

#include "annotation/core/hatch_settings.h"
#include "annotation/core/pattern_rings.h"
#include "platform/display/symbol_entry.h"

namespace zv::annot {

// Cells × parts the entry takes over the rings, the g rows included.
double LibraryPieces(const display::SymbolEntry& entry, const HatchSettings& settings, const Rings& rings,
                     bool fanAllowed);

// Draws the entry over the rings (map frame) into the targets, each entity
// tagged with `tag`. Notes for the user (too dense, nothing drawn).
std::vector<std::string> DrawLibraryPattern(const display::SymbolEntry& entry, const HatchSettings& settings,
                                            const Rings& rings, const LIN_INFO& info, int32_t tag, bool fanAllowed,
                                            const FillTargets& targets);

}  // namespace zv::annot
