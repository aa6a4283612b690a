#include "geodesy/gauss/gauss_handover.h"

#include "framework/text/numbers.h"

namespace zv::gauss {

constexpr const char* kNameField = "点号";

std::vector<HandedOverPoint> HandedOverPoints(const GaussRows& rows) {
  std::vector<HandedOverPoint> points;
  points.reserve(rows.size());
  for (const GaussRow& row : rows) points.push_back({row.name, num::ParseDouble(row.first), num::ParseDouble(row.second)});
  return points;
}

bool PlaceHandedOverPoints(const HandOver& handOver, WorkAreaHandle pointArea, WorkAreaHandle lineArea, GisUndo& undo) {
  if (handOver.scale <= 0 || BasGetWorkAreaType(pointArea) != kPointArea) return false;
  // The name field may be new to the area: the step holds the structure as
  // it was, so that undo takes the field back with the points.
  CATT_STRU structure;
  const bool addsField = !BasReadAttributeStructure(pointArea, kPointEntity, &structure) ||
                         BasFindField(structure, kNameField) < 0;
  undo.BeginStep();
  if (addsField) undo.PushStructure(pointArea, kPointEntity);
  if (!EnsureField(pointArea, kPointEntity, {.name = kNameField, .type = kFieldString, .length = 20})) {
    undo.EndStep();
    return false;
  }
  PNT_INFO symbol;
  BasGetDefaultPointParam(&symbol, 1);
  if (handOver.subgraph > 0) symbol.setSymbolNumber(handOver.subgraph);
  PNT_INFO label;
  BasGetDefaultPointParam(&label, 0);
  const double k = 1000.0 / handOver.scale;

  std::vector<int32_t> pointIds;
  std::vector<D_DOT> positions;
  BasBeginBatch(pointArea);
  for (const HandedOverPoint& p : handOver.points) {
    const D_DOT at{p.y * k, p.x * k};
    positions.push_back(at);
    const int32_t id = BasAppendPoint(pointArea, at, "", symbol);
    if (id == 0) continue;
    pointIds.push_back(id);
    AttributeRecord record;
    if (BasReadAttribute(pointArea, kPointEntity, id, &record) && BasSetFieldByName(record, kNameField, p.name))
      BasWriteAttribute(pointArea, kPointEntity, id, record);
    if (const int32_t text = BasAppendPoint(pointArea, at, p.name, label)) pointIds.push_back(text);
  }
  BasEndBatch(pointArea);

  if (!pointIds.empty()) undo.PushList(pointArea, kPointEntity, pointIds, GisUndo::kAppended);
  if (handOver.drawLine && positions.size() > 1 && BasGetWorkAreaType(lineArea) == kLineArea) {
    if (handOver.closeLine) positions.push_back(positions.front());
    if (const int32_t line = BasAppendLine(lineArea, positions, *BasGetDefaultLineParam()))
      undo.PushList(lineArea, kLineEntity, std::vector<int32_t>{line}, GisUndo::kAppended);
  }
  undo.EndStep();
  return true;
}

}  // namespace zv::gauss
