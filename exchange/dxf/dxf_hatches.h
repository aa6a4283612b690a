#pragma once
// HATCH and SOLID: filled areas become regions of the region area.
//
// A HATCH's boundary paths become rings: polyline paths with their bulges,
// edge paths from their line, circular, elliptic and spline edges, end to
// end. Counts in the file are never trusted: a path is the groups between
// its group 92 and the next, and a path whose edges or vertices fall short
// of what it declares, or lack their defining groups, is dropped. A path
// flagged external (bit 1 of group 92) starts a region, the paths after it
// are its holes, until the next external path; a first path that is not
// flagged starts one too.

#include "exchange/dxf/dxf_draw_context.h"

namespace zv::dxf {

class DxfGroupReader;
class DxfTextDecoder;

DxfHatchRecord ReadHatch(DxfGroupReader& groups, const DxfTextDecoder& decoder);
// Corners in outline order: 1, 2, 4, 3; without a fourth corner (13/23) the
// triangle 1, 2, 3.
DxfSolidRecord ReadSolid(DxfGroupReader& groups, const DxfTextDecoder& decoder);

// Nothing is written on a switched-off layer, nor for a HATCH without a
// usable boundary.
void WriteHatch(const DxfHatchRecord& record, DxfDrawContext& context);
void WriteSolid(const DxfSolidRecord& record, DxfDrawContext& context);

}  // namespace zv::dxf
