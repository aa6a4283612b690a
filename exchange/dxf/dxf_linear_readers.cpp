#include "exchange/dxf/dxf_linear_readers.h"

#include <algorithm>

#include "exchange/dxf/dxf_code_page.h"
#include "exchange/dxf/dxf_group_reader.h"

namespace zv::dxf {
namespace {

// A declared vertex count is only a hint for the first allocation.
constexpr std::size_t kMaxReserve = 4096;

// POLYLINE flags of the kinds that are not drawn in object coordinates.
constexpr int32_t kPolyline3d = 8;
constexpr int32_t kPolygonMesh = 16;
constexpr int32_t kPolyfaceMesh = 64;
// VERTEX flags of vertices that are not drawn: spline frame control points
// and the vertices and face records of polyface meshes.
constexpr int32_t kVertexFrameControl = 16;
constexpr int32_t kVertexPolyface = 128;

// Entities in object coordinates with a negative extrusion lie mirrored: x
// and the sense of every arc turn round.
void Mirror(std::vector<BulgeVertex>& vertices) {
  for (BulgeVertex& v : vertices) {
    v.x = -v.x;
    v.bulge = -v.bulge;
  }
}

// Groups LWPOLYLINE and POLYLINE read alike: the flags and the default
// start and end widths, where a zero width keeps the default. False when the
// code is none of them.
bool ReadPolylineGroup(DxfPolylineRecord& record, const DxfGroupReader& groups) {
  switch (groups.code()) {
    case 70: record.flags = GroupInt(groups.value()); return true;
    case 40:
      if (const double w = GroupDouble(groups.value()); w != 0) record.startWidth = w;
      return true;
    case 41:
      if (const double w = GroupDouble(groups.value()); w != 0) record.endWidth = w;
      return true;
    default: return false;
  }
}

// One VERTEX entity; entered with (0, "VERTEX") current.
void ReadVertex(DxfGroupReader& groups, DxfPolylineRecord& record) {
  BulgeVertex vertex;
  int32_t flags = 0;
  while (groups.Next() && groups.code() != 0) {
    switch (groups.code()) {
      case 10: vertex.x = GroupDouble(groups.value()); break;
      case 20: vertex.y = GroupDouble(groups.value()); break;
      case 30: record.elevation = GroupDouble(groups.value()); break;
      case 42: vertex.bulge = GroupDouble(groups.value()); break;
      case 70: flags = GroupInt(groups.value()); break;
      default: break;
    }
  }
  if (flags & (kVertexFrameControl | kVertexPolyface)) return;
  record.vertices.push_back(vertex);
}

}  // namespace

bool ReadHeadGroup(DxfEntityHead& head, const DxfGroupReader& groups, const DxfTextDecoder& decoder,
                   DxfHeadGroups optional) {
  switch (groups.code()) {
    case 6:
      if (!optional.lineTypeName) return false;
      head.nameText = decoder.Decode(groups.value());
      return true;
    case 8: head.layer = decoder.Decode(groups.value()); return true;
    case 62:
      if (auto colour = EntityColourFromAci(GroupInt(groups.value()))) head.colour = colour;
      return true;
    case 420: head.colour = DxfColour::Rgb(GroupInt(groups.value())); return true;
    case 230: head.mirrored = GroupDouble(groups.value()) < 0; return true;
    case 370:
      if (!optional.weight) return false;
      head.weight = GroupInt(groups.value());
      return true;
    default: return false;
  }
}

DxfLineRecord ReadLine(DxfGroupReader& groups, const DxfTextDecoder& decoder) {
  DxfLineRecord record;
  record.head.typeName = groups.value();
  while (groups.Next() && groups.code() != 0) {
    if (ReadHeadGroup(record.head, groups, decoder)) continue;
    const double v = GroupDouble(groups.value());
    switch (groups.code()) {
      case 10: record.x1 = v; break;
      case 20: record.y1 = v; break;
      case 30: record.z1 = v; break;
      case 11: record.x2 = v; break;
      case 21: record.y2 = v; break;
      case 31: record.z2 = v; break;
      default: break;
    }
  }
  // A LINE is in world coordinates: its extrusion never mirrors it.
  return record;
}

DxfPolylineRecord ReadLwPolyline(DxfGroupReader& groups, const DxfTextDecoder& decoder) {
  DxfPolylineRecord record;
  record.head.typeName = groups.value();
  record.startWidth = 0.1;
  while (groups.Next() && groups.code() != 0) {
    if (ReadHeadGroup(record.head, groups, decoder, {.weight = false}) || ReadPolylineGroup(record, groups)) continue;
    switch (groups.code()) {
      case 90: {
        const int32_t declared = GroupInt(groups.value());
        if (declared > 0) record.vertices.reserve(std::min<std::size_t>(static_cast<std::size_t>(declared), kMaxReserve));
        break;
      }
      case 10: record.vertices.push_back({GroupDouble(groups.value()), 0, 0}); break;
      case 20:
        if (!record.vertices.empty()) record.vertices.back().y = GroupDouble(groups.value());
        break;
      case 42:
        if (!record.vertices.empty()) record.vertices.back().bulge = GroupDouble(groups.value());
        break;
      case 43: record.constantWidth = GroupDouble(groups.value()); break;
      case 38: record.elevation = GroupDouble(groups.value()); break;
      default: break;
    }
  }
  if (record.head.mirrored) Mirror(record.vertices);
  return record;
}

DxfPolylineRecord ReadPolyline(DxfGroupReader& groups, const DxfTextDecoder& decoder) {
  DxfPolylineRecord record;
  record.head.typeName = groups.value();
  while (groups.Next() && groups.code() != 0) {
    if (ReadHeadGroup(record.head, groups, decoder, {.weight = false}) || ReadPolylineGroup(record, groups)) continue;
    if (groups.code() == 30) record.elevation = GroupDouble(groups.value());
  }
  while (groups.Is0("VERTEX")) ReadVertex(groups, record);
  if (groups.Is0("SEQEND")) {
    while (groups.Next() && groups.code() != 0) {
    }
  } else if (groups.AtEnd()) {
    record.complete = false;
  }
  const bool objectCoordinates = (record.flags & (kPolyline3d | kPolygonMesh | kPolyfaceMesh)) == 0;
  if (!objectCoordinates) {
    for (BulgeVertex& v : record.vertices) v.bulge = 0;
  } else if (record.head.mirrored) {
    Mirror(record.vertices);
  }
  return record;
}

}  // namespace zv::dxf
