#pragma once
// The DXF export command of the project tool view ("MapGis->DXF"): writes
// the built-in template to the data folder ("dxf2004.dxf", per user when
// the program folder is read-only), exports the project beside its file and
// tells the user the outcome in one message. The view binds it to its
// command id.

namespace zv {
struct MapProject;
}

namespace zv::dxf {

inline constexpr int kCommandMapGisToDxf = 33505;  // "MapGis->DXF"

// True when the drawing was written.
bool MapGisToDxfCommand(const MapProject& project);

}  // namespace zv::dxf
