#include "platform/files/area_attribute_table.h"

#include <algorithm>
#include <cstring>
#include <memory>

#include "framework/bytes/little_endian.h"

namespace zv {
namespace {

using files::AttributeField;
using files::AttributeTable;

CFIELD_HEAD FieldHead(const AttributeField& field) {
  CFIELD_HEAD head;
  head.name = field.Name();
  head.type = field.Type();
  head.length = field.DisplayLength();
  head.decimals = static_cast<int8_t>(field.Decimals());
  head.editFlag = field.EditFlag();
  head.printFlag = field.bytes[32];
  head.offset = field.Offset();
  head.storage = field.StorageSize();
  return head;
}

// A descriptor for a field of the area, on the bytes of the file's own
// descriptor when the field came from there.
AttributeField Descriptor(const CFIELD_HEAD& head, std::size_t number, const AttributeField* original) {
  AttributeField field = original ? *original : AttributeField{};
  field.SetName(head.name);
  field.bytes[20] = head.type;
  field.SetOffset(head.offset);
  bytes::WriteLe<std::int16_t>(&field.bytes[25], head.storage);
  bytes::WriteLe<std::int16_t>(&field.bytes[27], head.length);
  field.bytes[29] = static_cast<std::uint8_t>(head.decimals);
  bytes::WriteLe<std::int16_t>(&field.bytes[30], head.editFlag);
  field.bytes[32] = head.printFlag;
  field.SetNumber(static_cast<std::int16_t>(number));
  return field;
}

}  // namespace

bool AdoptTableStructure(WorkAreaHandle area, int entityType, const AttributeTable& table) {
  CATT_STRU structure;
  for (const AttributeField& field : table.fields) {
    const long end = static_cast<long>(field.Offset()) + field.StorageSize();
    if (field.Offset() >= 1 && field.StorageSize() >= 1 && end <= static_cast<long>(table.recordLength))
      structure.fields.push_back(FieldHead(field));
  }
  structure.recordLength = static_cast<int32_t>(table.recordLength);
  return BasAdoptAttributeStructure(area, entityType, structure) != 0;
}

void LoadTableRecords(WorkAreaHandle area, int entityType, const AttributeTable& table) {
  auto structure = std::make_shared<CATT_STRU>();
  if (!BasReadAttributeStructure(area, entityType, structure.get())) return;
  AttributeRecord record{structure, std::vector<uint8_t>(static_cast<std::size_t>(structure->recordLength))};
  const std::size_t copied = std::min(table.recordLength, record.bytes.size());
  for (std::size_t id = 1; id < table.RecordCount(); ++id) {
    if (!table.RecordLive(id) || !BasIsEntityLive(area, entityType, static_cast<int32_t>(id))) continue;
    std::fill(record.bytes.begin(), record.bytes.end(), 0);
    std::memcpy(record.bytes.data(), table.Record(id), copied);
    BasWriteAttribute(area, entityType, static_cast<int32_t>(id), record);
  }
}

AttributeTable AttributeTableOfArea(WorkAreaHandle area, int entityType, const AttributeTable& shell) {
  CATT_STRU structure;
  AttributeTable table = shell;
  if (!BasReadAttributeStructure(area, entityType, &structure)) return AttributeTable{};
  table.present = true;
  table.fields.clear();
  table.trailing.clear();
  for (std::size_t i = 0; i < structure.fields.size(); ++i) {
    const CFIELD_HEAD& head = structure.fields[i];
    const AttributeField* original = nullptr;
    for (const AttributeField& field : shell.fields)
      if (field.Offset() == head.offset && field.Name() == head.name) original = &field;
    table.fields.push_back(Descriptor(head, i, original));
  }
  table.recordLength = static_cast<std::size_t>(std::max(structure.recordLength, 1));
  int32_t live = 0, bound = 1;
  BasGetEntityCount(area, entityType, &live, &bound);
  bound = std::max(bound, 1);
  table.records.assign(static_cast<std::size_t>(bound) * table.recordLength, 0);
  AttributeRecord record;
  for (int32_t id = 1; id < bound; ++id) {
    if (!BasReadAttribute(area, entityType, id, &record)) continue;
    std::memcpy(table.Record(static_cast<std::size_t>(id)), record.bytes.data(),
                std::min(record.bytes.size(), table.recordLength));
  }
  return table;
}

}  // namespace zv
