#pragma once
// Platform colour numbers as DXF colours, for the entities and the block
// elements of the export.

#include <cstdint>

namespace zv::dxf {

class DxfGroupWriter;

// The highest AutoCAD Color Index whose RGB equals the platform colour's
// (DspColorToRgb), so pure red is 10 and white 255; without one, the true
// colour 0x02RRGGBB.
int32_t MapGisColorToDxfColor(long colour);

// The colour groups of an entity: none for platform colour 1, or 0, which
// draws as 1 (it follows its layer, of colour 7); (62, c) for an index;
// (62, "1") and (420, c) for a true colour.
void WriteColourGroups(DxfGroupWriter& out, long colour);

}  // namespace zv::dxf
