#include "exchange/dxf/dxf_entities.h"

#include "exchange/dxf/dxf_blocks.h"
#include "exchange/dxf/dxf_curves.h"
#include "exchange/dxf/dxf_hatches.h"
#include "exchange/dxf/dxf_linear_readers.h"
#include "exchange/dxf/dxf_linear_writers.h"
#include "exchange/dxf/dxf_texts.h"

namespace zv::dxf {
namespace {

template <class Record, Record (*Read)(DxfGroupReader&, const DxfTextDecoder&)>
DxfRecord Parse(DxfGroupReader& groups, const DxfTextDecoder& decoder) {
  return Read(groups, decoder);
}

struct EntityKind {
  std::string_view name;
  int pass;
  DxfRecordParser parse;
};

constexpr EntityKind kKinds[] = {
    {"POINT", 1, Parse<DxfPointRecord, ReadPoint>},
    {"CIRCLE", 1, Parse<DxfCircleRecord, ReadCircle>},
    {"ELLIPSE", 1, Parse<DxfEllipseRecord, ReadEllipse>},
    {"ARC", 1, Parse<DxfCircleRecord, ReadCircle>},
    {"INSERT", 1, Parse<DxfInsertRecord, ReadInsert>},
    {"LINE", 2, Parse<DxfLineRecord, ReadLine>},
    {"LWPOLYLINE", 2, Parse<DxfPolylineRecord, ReadLwPolyline>},
    {"POLYLINE", 2, Parse<DxfPolylineRecord, ReadPolyline>},
    {"SPLINE", 2, Parse<DxfSplineRecord, ReadSpline>},
    {"TEXT", 3, Parse<DxfTextRecord, ReadText>},
    {"ATTRIB", 3, Parse<DxfTextRecord, ReadText>},
    {"MTEXT", 3, Parse<DxfTextRecord, ReadText>},
    {"HATCH", 4, Parse<DxfHatchRecord, ReadHatch>},
    {"SOLID", 4, Parse<DxfSolidRecord, ReadSolid>},
};

const EntityKind* FindKind(std::string_view name) {
  for (const EntityKind& kind : kKinds)
    if (kind.name == name) return &kind;
  return nullptr;
}

void Write(const DxfLineRecord& r, DxfDrawContext& c) { WriteLine(r, c); }
void Write(const DxfPolylineRecord& r, DxfDrawContext& c) {
  if (r.head.typeName == "LWPOLYLINE") WriteLwPolyline(r, c);
  else WritePolyline(r, c);
}
void Write(const DxfPointRecord& r, DxfDrawContext& c) { WritePoint(r, c); }
void Write(const DxfCircleRecord& r, DxfDrawContext& c) { WriteCircle(r, c); }
void Write(const DxfEllipseRecord& r, DxfDrawContext& c) { WriteEllipse(r, c); }
void Write(const DxfSplineRecord& r, DxfDrawContext& c) { WriteSpline(r, c); }
void Write(const DxfTextRecord& r, DxfDrawContext& c) { WriteText(r, c); }
void Write(const DxfInsertRecord& r, DxfDrawContext& c) { WriteInsert(r, c); }
void Write(const DxfHatchRecord& r, DxfDrawContext& c) { WriteHatch(r, c); }
void Write(const DxfSolidRecord& r, DxfDrawContext& c) { WriteSolid(r, c); }

}  // namespace

DxfRecordParser FindRecordParser(std::string_view entityName) {
  const EntityKind* kind = FindKind(entityName);
  return kind ? kind->parse : nullptr;
}

int PassOfEntity(std::string_view entityName) {
  const EntityKind* kind = FindKind(entityName);
  return kind ? kind->pass : 0;
}

void WriteRecord(const DxfRecord& record, DxfDrawContext& context) {
  std::visit([&](const auto& r) { Write(r, context); }, record);
}

}  // namespace zv::dxf
