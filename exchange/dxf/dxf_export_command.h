#pragma once
// The DXF export command of the project tool view ("MapGis->DXF"): writes
// the built-in template to the data folder ("dxf2004.dxf", per user when
// the program folder is read-only), exports the project beside its file and
// tells the user the outcome in one message. The view binds it to its
// command id.

#include <span>
#include <string>

#include "platform/data/work_area.h"

namespace zv {
struct MapProject;
}

namespace zv::dxf {

inline constexpr int kCommandMapGisToDxf = 33505;  // "MapGis->DXF"

// True when the drawing was written.
bool MapGisToDxfCommand(const MapProject& project);

// The same for work areas that belong to no project (a section view's
// current areas): one drawing at `dxfPath`, one layer per area, named after
// the area's file (or its kind when it has none).
bool AreasToDxfCommand(const std::string& dxfPath, std::span<const WorkAreaHandle> areas);

}  // namespace zv::dxf
