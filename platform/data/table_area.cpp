// Tables: records without geometry.
#include "platform/data/table_area.h"

#include "platform/data/work_area_store.h"

namespace zv {

using detail::FindArea;
using detail::WorkArea;

namespace {

WorkArea* TableOf(WorkAreaHandle handle) {
  WorkArea* area = FindArea(handle);
  return area && area->HoldsRows() ? area : nullptr;
}

}  // namespace

int BasGetTableStructure(WorkAreaHandle table, CATT_STRU* structure) {
  return TableOf(table) ? BasReadAttributeStructure(table, kTableEntity, structure) : 0;
}

int BasReadTableRecord(WorkAreaHandle table, int32_t id, CATT_STRU* structure, AttributeRecord* record) {
  AttributeRecord read;
  if (!TableOf(table) || !BasReadAttribute(table, kTableEntity, id, &read)) return 0;
  if (structure) *structure = *read.structure;
  if (record) *record = std::move(read);
  return 1;
}

int32_t BasAppendTableRecord(WorkAreaHandle table, const AttributeRecord& record) {
  WorkArea* area = TableOf(table);
  if (!area) return 0;
  auto& rows = area->rows;
  rows.slots.push_back(detail::TableSlot{true});
  ++rows.live;
  const auto id = static_cast<int32_t>(rows.bound() - 1);
  rows.PushOrder(id);
  detail::InitRecord(*area, kTableEntity, id);
  detail::NoteChange(*area, kTableEntity, ChangeKind::Appended, {id});
  // Converts a record of another structure by field names.
  BasWriteAttribute(table, kTableEntity, id, record);
  return id;
}

}  // namespace zv
