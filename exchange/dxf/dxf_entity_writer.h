#pragma once
// The ENTITIES section of the DXF export: all entities of one project file,
// on that file's layer. Lines whose line type is above 0 become LWPOLYLINE;
// notes (kind 0) and text blocks (kind 5) MTEXT; sub-graphs (kind 1) INSERT
// of the block named by their number; circles (kind 2) CIRCLE; arcs (kind 3)
// ARC; regions solid HATCH, one boundary path per ring with vertices (a
// region without one, or of fill colour 0, which is no fill, writes
// nothing). Images and entities the work area
// does not return are skipped and use no handle. Every entity is owned by
// the *Model_Space record.

#include <optional>
#include <string>
#include <vector>

#include "platform/data/work_area.h"

namespace zv::dxf {

class DxfGroupWriter;
class DxfHandles;

struct DxfEntityTarget {
  DxfGroupWriter& out;
  DxfHandles& handles;
  const std::string& owner;  // the *Model_Space record
  const std::string& layer;  // the layer name in the drawing's code page
};

void WriteLwPolylines(const DxfEntityTarget& target, WorkAreaHandle area);
void WritePoints(const DxfEntityTarget& target, WorkAreaHandle area);
void WriteHatches(const DxfEntityTarget& target, WorkAreaHandle area);

// The groups of a solid HATCH after its head: one closed polyline path per
// loop (non-associative; the first the outer boundary, the others holes), a seed point per loop at the mean of its
// vertices, the solid-fill groups. Z is written as "0.0" when not given.
void WriteSolidHatchBody(DxfGroupWriter& out, std::optional<double> z, const std::vector<std::vector<D_DOT>>& loops);

// The vertices of loop `loop` (from 0) of a region's arc list (entry 0 is
// not an arc; 0 separates loops): each arc's vertices but its last, a
// reversed arc (negative id) from its last vertex down to its second, so
// consecutive arcs share no vertex and the closed path ends where it began.
std::vector<D_DOT> CollectLoopPoints(WorkAreaHandle area, const std::vector<int32_t>& arcs, int loop);

}  // namespace zv::dxf
