#include "exchange/dxf/dxf_entity_writer.h"

#include <algorithm>
#include <string_view>
#include <utility>

#include "exchange/dxf/dxf_export_colour.h"
#include "exchange/dxf/dxf_group_writer.h"
#include "exchange/dxf/dxf_handles.h"
#include "exchange/dxf/dxf_mtext_out.h"
#include "exchange/dxf/dxf_work_area_sink.h"
#include "framework/text/encoding.h"
#include "platform/data/attributes.h"

namespace zv::dxf {
namespace {

// The elevation field "高程" of one entity type of an area, found once.
class Elevations {
 public:
  Elevations(WorkAreaHandle area, int entityType) : area_(area), type_(entityType) {
    CATT_STRU structure;
    if (BasReadAttributeStructure(area, entityType, &structure)) field_ = BasFindField(structure, kElevationField);
  }
  double Of(int32_t id) const {
    AttributeRecord record;
    double z = 0;
    if (field_ >= 0 && BasReadAttribute(area_, type_, id, &record)) BasGetFieldDoubleByIndex(record, field_, &z);
    return z;
  }

 private:
  WorkAreaHandle area_;
  int type_;
  int field_ = -1;
};

void Head(const DxfEntityTarget& target, std::string_view entity, std::string_view prefix, long colour) {
  DxfGroupWriter& out = target.out;
  out.Groups({{0, entity}, {5, target.handles.Next(prefix)}, {330, target.owner}, {100, "AcDbEntity"},
              {8, target.layer}});
  WriteColourGroups(out, colour);
}

void Position(DxfGroupWriter& out, const D_DOT& at, double z) {
  out.Number(10, at.x);
  out.Number(20, at.y);
  out.Number(30, z);
}

void WriteMText(const DxfEntityTarget& target, const D_DOT& at, const std::string& text, const PNT_INFO& info,
                double z) {
  const bool note = info.kind() == 0;
  Head(target, "MTEXT", kMTextPrefix, info.colour());
  DxfGroupWriter& out = target.out;
  out.Group(100, "AcDbMText");
  Position(out, at, z);
  out.Number(40, info.charHeight() * 0.7);
  if (note) {
    const double length = static_cast<double>(text::GbkLength(text));
    out.Number(41, length * (static_cast<double>(info.charWidth()) + info.charSpacing()) * 0.7);
  } else {
    out.Number(41, info.Get<float>(pnt::kBoxWidth));
  }
  out.Groups({{71, note ? "7" : "1"}, {72, "1"}});
  WriteMTextValue(out, text);
  out.Number(50, info.angle());
  out.Groups({{73, "1"}, {44, "1.0"}});
}

void WriteInsert(const DxfEntityTarget& target, const D_DOT& at, const PNT_INFO& info, double z) {
  Head(target, "INSERT", kInsertPrefix, info.colour());
  DxfGroupWriter& out = target.out;
  out.Group(100, "AcDbBlockReference");
  out.Int(2, info.symbolNumber());
  Position(out, at, z);
  out.Number(41, info.symbolWidth());
  out.Number(42, info.symbolHeight());
  out.Group(43, "1.0");
  out.Number(50, info.angle());
}

void WriteCircle(const DxfEntityTarget& target, const D_DOT& at, const PNT_INFO& info, double z) {
  Head(target, "CIRCLE", kCurvePrefix, info.Get<int32_t>(pnt::kCircleOutlineColour));
  DxfGroupWriter& out = target.out;
  out.Group(100, "AcDbCircle");
  Position(out, at, z);
  out.Number(40, info.radius());
}

void WriteArc(const DxfEntityTarget& target, const D_DOT& at, const PNT_INFO& info, double z) {
  Head(target, "ARC", kCurvePrefix, info.colour());
  DxfGroupWriter& out = target.out;
  out.Group(100, "AcDbCircle");
  Position(out, at, z);
  out.Number(40, info.radius());
  out.Group(100, "AcDbArc");
  out.Number(50, info.Get<float>(pnt::kArcStartAngle));
  out.Number(51, info.Get<float>(pnt::kArcEndAngle));
}

void WriteVertices(DxfGroupWriter& out, const std::vector<D_DOT>& vertices) {
  for (const D_DOT& v : vertices) {
    out.Number(10, v.x);
    out.Number(20, v.y);
  }
}

D_DOT Mean(const std::vector<D_DOT>& vertices) {
  D_DOT sum{0, 0};
  for (const D_DOT& v : vertices) {
    sum.x += v.x;
    sum.y += v.y;
  }
  const double n = static_cast<double>(vertices.size());
  return {sum.x / n, sum.y / n};
}

}  // namespace

void WriteSolidHatchBody(DxfGroupWriter& out, std::optional<double> z, const std::vector<std::vector<D_DOT>>& loops) {
  out.Groups({{100, "AcDbHatch"}, {10, "0.0"}, {20, "0.0"}});
  if (z) {
    out.Number(30, *z);
  } else {
    out.Group(30, "0.0");
  }
  out.Groups({{210, "0.0"}, {220, "0.0"}, {230, "1.0"}, {2, "SOLID"}, {70, "1"}, {71, "0"}});
  out.Int(91, static_cast<long>(loops.size()));
  for (std::size_t i = 0; i < loops.size(); ++i) {
    const std::vector<D_DOT>& loop = loops[i];
    // The first loop is the outer boundary (external, polyline, derived);
    // the others are its holes, so readers keep them in one region.
    out.Group(92, i == 0 ? "7" : "6");
    out.Groups({{72, "0"}, {73, "1"}});
    out.Int(93, static_cast<long>(loop.size()));
    WriteVertices(out, loop);
    out.Group(97, "0");
  }
  out.Groups({{75, "0"}, {76, "1"}, {47, "2.895456611029209"}});
  out.Int(98, static_cast<long>(loops.size()));
  for (const std::vector<D_DOT>& loop : loops) {
    const D_DOT seed = Mean(loop);
    out.Number(10, seed.x);
    out.Number(20, seed.y);
  }
  out.Groups({{450, "0"}, {451, "0"}, {460, "0.0"}, {461, "0.0"}, {452, "1"}, {462, "1.0"}, {453, "2"},
              {463, "0.0"}, {63, "5"}, {421, "255"}, {463, "1.0"}, {63, "7"}, {421, "16777215"}, {470, "LINEAR"}});
}

void WriteLwPolylines(const DxfEntityTarget& target, WorkAreaHandle area) {
  int32_t live = 0, bound = 0;
  BasGetLineCount(area, &live, &bound);
  const Elevations elevations(area, kLineEntity);
  std::vector<D_DOT> vertices;
  LIN_INFO info;
  for (int32_t id = 1; id < bound; ++id) {
    if (BasReadLine(area, id, &vertices, &info) != 1 || info.style() <= 0 || vertices.empty()) continue;
    Head(target, "LWPOLYLINE", kPolylinePrefix, info.colour());
    DxfGroupWriter& out = target.out;
    out.Group(100, "AcDbPolyline");
    out.Int(90, static_cast<long>(vertices.size()));
    out.Group(70, "0");
    out.Number(43, info.width());
    out.Number(38, elevations.Of(id));
    WriteVertices(out, vertices);
  }
}

void WritePoints(const DxfEntityTarget& target, WorkAreaHandle area) {
  int32_t live = 0, bound = 0;
  BasGetPointCount(area, &live, &bound);
  const Elevations elevations(area, kPointEntity);
  D_DOT at{};
  std::string text;
  PNT_INFO info;
  for (int32_t id = 1; id < bound; ++id) {
    if (BasReadPoint(area, id, &at, &text, &info) <= 0) continue;
    switch (info.kind()) {
      case 0:
      case 5: WriteMText(target, at, text, info, elevations.Of(id)); break;
      case 1: WriteInsert(target, at, info, elevations.Of(id)); break;
      case 2: WriteCircle(target, at, info, elevations.Of(id)); break;
      case 3: WriteArc(target, at, info, elevations.Of(id)); break;
      default: break;  // images and unknown kinds have no DXF form here
    }
  }
}

std::vector<D_DOT> CollectLoopPoints(WorkAreaHandle area, const std::vector<int32_t>& arcs, int loop) {
  std::vector<D_DOT> points;
  std::vector<D_DOT> vertices;
  int current = 0;
  for (std::size_t i = 1; i < arcs.size(); ++i) {
    const int32_t arc = arcs[i];
    if (arc == 0) {
      if (++current > loop) break;
      continue;
    }
    if (current != loop || BasReadLine(area, arc > 0 ? arc : -arc, &vertices, nullptr) != 1 || vertices.empty())
      continue;
    if (arc > 0) {
      points.insert(points.end(), vertices.begin(), vertices.end() - 1);
    } else {
      points.insert(points.end(), vertices.rbegin(), vertices.rend() - 1);
    }
  }
  return points;
}

void WriteHatches(const DxfEntityTarget& target, WorkAreaHandle area) {
  int32_t live = 0, bound = 0;
  BasGetRegionCount(area, &live, &bound);
  const Elevations elevations(area, kRegionEntity);
  std::vector<int32_t> arcs;
  REG_INFO info;
  for (int32_t id = 1; id < bound; ++id) {
    // A fill of colour 0 is no fill: nothing shows, so there is no hatch.
    if (BasReadRegion(area, id, &arcs, &info) != 1 || info.Get<int32_t>(reg::kFillColour) == 0) continue;
    const int rings = 1 + static_cast<int>(std::count(arcs.begin() + (arcs.empty() ? 0 : 1), arcs.end(), 0));
    std::vector<std::vector<D_DOT>> loops;
    for (int loop = 0; loop < rings; ++loop) {
      std::vector<D_DOT> points = CollectLoopPoints(area, arcs, loop);
      if (!points.empty()) loops.push_back(std::move(points));
    }
    if (loops.empty()) continue;
    Head(target, "HATCH", kPolylinePrefix, info.Get<int32_t>(reg::kFillColour));
    WriteSolidHatchBody(target.out, elevations.Of(id), loops);
    DxfGroupWriter& out = target.out;
    out.Groups({{1001, "ACAD"}, {1010, "0.0"}, {1020, "0.0"}, {1030, "0.0"}});
  }
}

}  // namespace zv::dxf
