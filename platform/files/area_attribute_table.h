#pragma once
// Attribute tables moved between the files' form (files::AttributeTable) and
// an entity type of a work area, shared by the vector files and the table
// file: record n of a table belongs to id n.

#include "platform/data/work_area.h"
#include "platform/files/attribute_table.h"

namespace zv {

// Gives the entity type the table's structure with the file's own offsets
// and record length; fields lying outside the record are left out. False
// when the structure is not usable (the area then keeps its old one).
bool AdoptTableStructure(WorkAreaHandle area, int entityType, const files::AttributeTable& table);

// Writes each live record of the table into the live entity of its number.
void LoadTableRecords(WorkAreaHandle area, int entityType, const files::AttributeTable& table);

// The entity type's structure and records as a table: header and unknown
// descriptor bytes from `shell` (a file's own, or a new table's), the dummy
// record 0, one record per id below the id bound (zeros for deleted ids).
files::AttributeTable AttributeTableOfArea(WorkAreaHandle area, int entityType, const files::AttributeTable& shell);

}  // namespace zv
