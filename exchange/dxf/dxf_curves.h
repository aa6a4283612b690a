#pragma once
// POINT, CIRCLE, ARC, ELLIPSE and SPLINE: parsers (entered with the entity's
// (0, name) group current, returning with the next entity's group current)
// and writers. A POINT becomes a small filled circle point; the curves become
// lines sampled at fixed steps.

#include "exchange/dxf/dxf_draw_context.h"

namespace zv::dxf {

class DxfGroupReader;
class DxfTextDecoder;

inline constexpr double kPointMarkRadius = 0.2;

DxfPointRecord ReadPoint(DxfGroupReader& groups, const DxfTextDecoder& decoder);
// CIRCLE and ARC alike.
DxfCircleRecord ReadCircle(DxfGroupReader& groups, const DxfTextDecoder& decoder);
DxfEllipseRecord ReadEllipse(DxfGroupReader& groups, const DxfTextDecoder& decoder);
// The curve is the uniform cubic B-spline of the control points read, as
// many as group 73 says at most; none without group 73. A spline without
// control points that gives fit points (11/21) runs through those.
DxfSplineRecord ReadSpline(DxfGroupReader& groups, const DxfTextDecoder& decoder);

// Nothing is written on a switched-off layer; a spline without samples
// writes nothing.
void WritePoint(const DxfPointRecord& record, DxfDrawContext& context);
void WriteCircle(const DxfCircleRecord& record, DxfDrawContext& context);
void WriteEllipse(const DxfEllipseRecord& record, DxfDrawContext& context);
void WriteSpline(const DxfSplineRecord& record, DxfDrawContext& context);

}  // namespace zv::dxf
