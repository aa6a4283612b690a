#pragma once
// Attributes of the work areas written into a workbook, and the vertices
// of picked lines.
//
// Sheet k (1 point, 2 line, 3 region) of the workbook takes area k and is
// named "点", "线", "区"; an area that is 0 or empty leaves its sheet with
// its own name, untouched. Row 1 holds every field name ("ID" included),
// one column per field in structure order. Values by field type
// (PutFieldCell): a text as a text cell, so "007" stays "007"; types 2, 3,
// 4, 5 and 8 as numbers; other types leave the cell empty.
#include <array>
#include <span>

#include "framework/workbook/object_model.h"
#include "platform/data/work_area.h"

namespace zv::sheets {

inline constexpr const char* kSheetNames[3] = {"点", "线", "区"};

// One field's value into a cell by the field's type, as the exports write
// it: texts as text cells, types 2, 3, 4, 5 and 8 as numbers; other types
// leave the cell as it is.
void PutFieldCell(const workbook::Range& cells, int row, int column, const AttributeRecord& record, int index);

// Every entity of each area: ids 1 .. B−1 of the area's id bound, a record
// that cannot be read gives up its row, so the rows stay contiguous from
// row 2 (with ids 3 and 5 deleted, id 4 lands in row 4). An area whose
// attributes cannot be summed up ends the export there; the sheets already
// written stay. The workbook needs at least three sheets.
void ExportAttributeSheets(const workbook::Sheets& sheets, const std::array<WorkAreaHandle, 3>& areas);

// The picked entities of each area, in pool order: the entry at pool
// position p (1-based, over all areas) goes to row p − skipped + 1, where
// skipped counts this area's entries whose record cannot be read; rows
// where other areas' entries stand stay empty.
void ExportSelectedAttributeSheets(const workbook::Sheets& sheets, const std::array<WorkAreaHandle, 3>& areas,
                                   std::span<const ENTITY_MSG> pool);

// The vertices of the picked lines into sheet 1: "序号", "X", "Y" in row 1,
// then one row per vertex, lines one after the other: the vertex number
// (from 0 in each line), X = vertex y × factor, Y = vertex x × factor, so
// with factor = scale × 0.001 a drawing in millimetres gives ground metres.
// Entries that are no line are passed over.
void ExportLineVertices(const workbook::Worksheet& sheet, std::span<const ENTITY_MSG> pool, double factor);

}  // namespace zv::sheets
