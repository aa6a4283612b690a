#pragma once
// The entities of a sub-graph block of the DXF export, one per part of each
// element of the library entry, on layer "0", owned by the block's record:
//   kinds 0, 1  solid HATCH of the part's points as one closed loop (fill colour)
//   kind 2      LWPOLYLINE of the part's points, open, constant width
//               = line width x 0.05 (the library counts widths in 0.05 units)
//   kind 3      ARC: centre (f0, f1), radius f2, angles f3 and f4
//   kinds 4, 5  closed LWPOLYLINE of two vertices with bulge 1:
//               (f0 - f2/2, f1), (f0 + f2/2, f1), width (f2 - f0) / 4
//   kind 6      CIRCLE: centre (f0, f1), radius |f2|
// where f0, f1 ... are the part's coordinates in order. Other kinds, and
// parts with too few coordinates for their kind, write nothing. An element
// colour 0 (the point's own colour) is written BYBLOCK, so the INSERT's
// colour shows; other colours as for entities.

#include <string>

namespace zv::display {
struct SymbolEntry;
}

namespace zv::dxf {

class DxfGroupWriter;
class DxfHandles;

void WriteSubgraphElements(DxfGroupWriter& out, DxfHandles& handles, const std::string& owner,
                           const display::SymbolEntry& entry);

}  // namespace zv::dxf
