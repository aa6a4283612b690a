#pragma once
// Writers of the linear entities: a parsed record becomes one platform line
// with its parameters and attributes, handed to the import sink.

#include "exchange/dxf/dxf_draw_context.h"

namespace zv::dxf {

// Nothing is written for an entity on a switched-off layer, nor for a
// polyline with fewer than two vertices.
void WriteLine(const DxfLineRecord& record, DxfDrawContext& context);
void WriteLwPolyline(const DxfPolylineRecord& record, DxfDrawContext& context);
void WritePolyline(const DxfPolylineRecord& record, DxfDrawContext& context);

}  // namespace zv::dxf
