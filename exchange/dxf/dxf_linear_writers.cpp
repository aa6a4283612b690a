#include "exchange/dxf/dxf_linear_writers.h"

#include <algorithm>

#include "exchange/dxf/dxf_cad_map.h"
#include "exchange/dxf/dxf_import_sink.h"
#include "exchange/dxf/dxf_layers.h"

namespace zv::dxf {
namespace {

void WritePolylineWithWidth(const DxfPolylineRecord& record, DxfDrawContext& context, double penWidth) {
  if (context.layers.IsOff(record.head.layer) || record.vertices.size() < 2) return;
  const std::vector<D_DOT> vertices = ExpandBulges(record.vertices, record.closed());
  context.sink.AppendLine(vertices, LineStyleOf(record.head, context, penWidth),
                          {record.head.nameText, record.head.layer, record.elevation});
}

}  // namespace

void WriteLine(const DxfLineRecord& record, DxfDrawContext& context) {
  if (context.layers.IsOff(record.head.layer)) return;
  const D_DOT vertices[2] = {{record.x1, record.y1}, {record.x2, record.y2}};
  context.sink.AppendLine(vertices, LineStyleOf(record.head, context, WeightWidth(record.head, context)),
                          {record.head.nameText, record.head.layer, record.z1});
}

void WriteLwPolyline(const DxfPolylineRecord& record, DxfDrawContext& context) {
  const double width = record.constantWidth > 0 ? record.constantWidth
                       : record.startWidth > 0  ? record.startWidth
                                                : WeightWidth(record.head, context);
  WritePolylineWithWidth(record, context, width);
}

void WritePolyline(const DxfPolylineRecord& record, DxfDrawContext& context) {
  const double width = record.startWidth > 0 ? record.startWidth : WeightWidth(record.head, context);
  WritePolylineWithWidth(record, context, width);
}

}  // namespace zv::dxf
