#pragma once
// Tables: work areas of type 7 (BasCreateWorkArea(set, kTableArea)) that
// hold one attribute structure and records without geometry. A record is an
// entity of type kTableEntity: ids run 1 .. B−1 as for every entity
// (BasGetAttributeInfo(table, kTableEntity, …) gives B), a deleted id fails
// its read, and BasReadAttribute and BasWriteAttribute work on them too.
// BasSetAttributeStructure(table, kTableEntity, …) gives the table its
// fields, "ID" (a long) in front as in every structure; the library does not
// number it. Tables are loaded and saved as ".wb" files by platform/files
// (table_file.h).

#include <string_view>

#include "platform/data/work_area.h"

namespace zv {

// The work-area type of a table (BasGetWorkAreaType) and the entity type of
// its records.
inline constexpr int kTableArea = 7;
inline constexpr int kTableEntity = 7;

// The table's structure; 0 for a handle that is no table.
int BasGetTableStructure(WorkAreaHandle table, CATT_STRU* structure);

// The record of a live id with the table's structure; 1 on success, 0 for a
// deleted id, an id out of range or a handle that is no table.
int BasReadTableRecord(WorkAreaHandle table, int32_t id, CATT_STRU* structure, AttributeRecord* record);

// Appends a record (converted by field names when it follows another
// structure) as the next id; the id, 0 when the handle is no table.
int32_t BasAppendTableRecord(WorkAreaHandle table, const AttributeRecord& record);

// Filling a record buffer field by field, by index: the text (numbers read
// from it for numeric fields) or the number (toward zero for integer
// fields, "%.15g" in text fields). False for a bad index or a type that
// cannot take the value.
inline bool BasPutFieldText(AttributeRecord& record, int index, std::string_view text) {
  return BasSetFieldByIndex(record, index, text);
}
inline bool BasPutFieldNumber(AttributeRecord& record, int index, double value) {
  return BasSetFieldByIndex(record, index, value);
}

}  // namespace zv
