#pragma once
// Writers of the linear entities: a parsed record becomes one platform line
// with its parameters and attributes, handed to the import sink.

#include "exchange/dxf/dxf_entity_records.h"

namespace zv::dxf {

class CadMap;
class DxfImportSink;
class DxfLayerNumbers;
class DxfLayerTable;

// What every writer needs besides its record.
struct DxfDrawContext {
  const DxfLayerTable& layers;
  DxfLayerNumbers& layerNumbers;
  const CadMap& lineMap;
  DxfImportSink& sink;
};

// Pen widths are capped here (millimetres).
inline constexpr double kMaxPenWidth = 10.0;

// Nothing is written for an entity on a switched-off layer, nor for a
// polyline with fewer than two vertices.
void WriteLine(const DxfLineRecord& record, DxfDrawContext& context);
void WriteLwPolyline(const DxfPolylineRecord& record, DxfDrawContext& context);
void WritePolyline(const DxfPolylineRecord& record, DxfDrawContext& context);

}  // namespace zv::dxf
