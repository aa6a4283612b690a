#include "exchange/dxf/dxf_curves.h"

#include <algorithm>
#include <limits>

#include "exchange/dxf/dxf_arcs.h"
#include "exchange/dxf/dxf_code_page.h"
#include "exchange/dxf/dxf_bspline.h"
#include "exchange/dxf/dxf_geometry.h"
#include "exchange/dxf/dxf_group_reader.h"
#include "exchange/dxf/dxf_layers.h"
#include "exchange/dxf/dxf_linear_readers.h"

namespace zv::dxf {

DxfPointRecord ReadPoint(DxfGroupReader& groups, const DxfTextDecoder& decoder) {
  DxfPointRecord record;
  record.head.typeName = groups.value();
  while (groups.Next() && groups.code() != 0) {
    if (ReadHeadGroup(record.head, groups, decoder)) continue;
    const double v = GroupDouble(groups.value());
    switch (groups.code()) {
      case 10: record.x = v; break;
      case 20: record.y = v; break;
      case 30: record.z = v; break;
      default: break;
    }
  }
  // A POINT is in world coordinates: its extrusion never mirrors it.
  record.head.mirrored = false;
  return record;
}

DxfCircleRecord ReadCircle(DxfGroupReader& groups, const DxfTextDecoder& decoder) {
  DxfCircleRecord record;
  record.head.typeName = groups.value();
  record.isArc = record.head.typeName == "ARC";
  record.endDegrees = record.isArc ? 0.0 : 360.0;
  while (groups.Next() && groups.code() != 0) {
    if (ReadHeadGroup(record.head, groups, decoder)) continue;
    const double v = GroupDouble(groups.value());
    switch (groups.code()) {
      case 10: record.cx = v; break;
      case 20: record.cy = v; break;
      case 30: record.z = v; break;
      case 40:
        if (v != 0) record.radius = v;
        break;
      case 50:
        if (record.isArc) record.startDegrees = v;
        break;
      case 51:
        if (record.isArc) record.endDegrees = v;
        break;
      default: break;
    }
  }
  return record;
}

DxfEllipseRecord ReadEllipse(DxfGroupReader& groups, const DxfTextDecoder& decoder) {
  DxfEllipseRecord record;
  record.head.typeName = groups.value();
  while (groups.Next() && groups.code() != 0) {
    if (ReadHeadGroup(record.head, groups, decoder)) continue;
    const double v = GroupDouble(groups.value());
    switch (groups.code()) {
      case 10: record.cx = v; break;
      case 20: record.cy = v; break;
      case 30:
      case 31: record.z = v; break;
      case 11: record.majorX = v; break;
      case 21: record.majorY = v; break;
      case 40:
        if (v != 0) record.ratio = v;
        break;
      case 41:
        if (v != 0) record.startParameter = v;
        break;
      case 42:
        if (v != 0) record.endParameter = v;
        break;
      default: break;
    }
  }
  // An ELLIPSE is in world coordinates.
  record.head.mirrored = false;
  return record;
}

DxfSplineRecord ReadSpline(DxfGroupReader& groups, const DxfTextDecoder& decoder) {
  DxfSplineRecord record;
  record.head.typeName = groups.value();
  DxfBSpline spline;
  std::vector<D_DOT> fit;
  double pendingX = 0;
  double pendingFitX = 0;
  int32_t declared = 0;
  while (groups.Next() && groups.code() != 0) {
    if (ReadHeadGroup(record.head, groups, decoder)) continue;
    switch (groups.code()) {
      case 10: pendingX = GroupDouble(groups.value()); break;
      case 20: spline.control.push_back({pendingX, GroupDouble(groups.value())}); break;
      case 11: pendingFitX = GroupDouble(groups.value()); break;
      case 21: fit.push_back({pendingFitX, GroupDouble(groups.value())}); break;
      case 30: record.z = GroupDouble(groups.value()); break;
      case 40: spline.knots.push_back(GroupDouble(groups.value())); break;
      case 41: spline.weights.push_back(GroupDouble(groups.value())); break;
      case 70: record.flags = GroupInt(groups.value()); break;
      case 71: spline.degree = GroupInt(groups.value()); break;
      case 73: declared = GroupInt(groups.value()); break;
      default: break;
    }
  }
  // A SPLINE is in world coordinates.
  record.head.mirrored = false;
  if (declared > 0) {
    spline.control.resize(std::min<std::size_t>(spline.control.size(), static_cast<std::size_t>(declared)));
    record.samples = SampleBSpline(spline);
  }
  // A spline given by its fit points only is drawn through them.
  if (record.samples.empty() && fit.size() >= 2) record.samples = std::move(fit);
  return record;
}

void WritePoint(const DxfPointRecord& record, DxfDrawContext& context) {
  if (context.layers.IsOff(record.head.layer)) return;
  DxfPoint point;
  point.kind = DxfPointKind::Circle;
  point.position = {record.x, record.y};
  point.radius = kPointMarkRadius;
  point.rgb = EntityRgb(record.head, context);
  point.penWidth = static_cast<float>(std::max(0.0, WeightWidth(record.head, context)));
  point.layerNumber = context.layerNumbers.Number(record.head.layer);
  context.sink.AppendPoint(point, {record.head.nameText, record.head.layer, record.z});
}

void WriteCircle(const DxfCircleRecord& record, DxfDrawContext& context) {
  if (context.layers.IsOff(record.head.layer)) return;
  std::vector<D_DOT> points;
  if (record.isArc) {
    ArcToPoints(record.cx, record.cy, record.radius, record.startDegrees * kDegree, record.endDegrees * kDegree,
                points);
  } else {
    ArcToPoints(record.cx, record.cy, record.radius, 0.0, kTwoPi, points);
  }
  // Circles and arcs keep their pen width however wide.
  const DxfLineStyle style =
      LineStyleOf(record.head, context, WeightWidth(record.head, context), std::numeric_limits<double>::max());
  InObjectCoordinates(record.head, context, [&](DxfDrawContext& c) {
    c.sink.AppendLine(points, style, {record.head.nameText, record.head.layer, record.z});
  });
}

void WriteEllipse(const DxfEllipseRecord& record, DxfDrawContext& context) {
  if (context.layers.IsOff(record.head.layer)) return;
  std::vector<D_DOT> points;
  EllipseArcByParam(record.cx, record.cy, record.majorX, record.majorY, record.ratio, record.startParameter,
                    record.endParameter, points);
  const DxfLineStyle style =
      LineStyleOf(record.head, context, WeightWidth(record.head, context), std::numeric_limits<double>::max());
  context.sink.AppendLine(points, style, {record.head.nameText, record.head.layer, record.z});
}

void WriteSpline(const DxfSplineRecord& record, DxfDrawContext& context) {
  if (context.layers.IsOff(record.head.layer) || record.samples.size() < 2) return;
  std::vector<D_DOT> points = record.samples;
  if (record.flags & 1) points.push_back(points.front());
  DxfLineStyle style = LineStyleOf(record.head, context, WeightWidth(record.head, context));
  style.curveFlag = 1;
  context.sink.AppendLine(points, style, {record.head.nameText, record.head.layer, record.z});
}

}  // namespace zv::dxf
