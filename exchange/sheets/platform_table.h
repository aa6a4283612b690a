#pragma once
// Platform tables (table work areas, ".wb" files) to and from sheets.
//
// Table to sheet: row 1 the structure's field names ("ID" included), column
// j for field j; the record of id i in row i − s + 1, s counting the ids
// before it whose read fails, so the rows stay contiguous from row 2. Values
// by field type, read by field index: texts as text cells ("007" stays
// "007"), types 2, 3, 4, 5 and 8 as numbers, other types leave the cell
// empty.
//
// Sheet to table: the extent's first row names the fields, each further row,
// empty ones too, is one record numbered by its distance from that row,
// which goes into "ID". A column is text when some non-empty cell below the
// header decides it (ColumnDecidesText), else double; texts of a text column
// are stored whole (its length counts every text) and an empty cell as " ";
// a double column takes each cell's number (0 when empty), a number cell in
// the General format at its full value. Rows and columns are 1-based sheet
// numbers; texts are the cells' displayed texts.
#include <string>
#include <vector>

#include "framework/workbook/object_model.h"
#include "platform/data/work_area.h"

namespace zv::sheets {

// Writes a table that holds records into the sheet; an empty table leaves
// the sheet as it is.
void WriteTableToSheet(WorkAreaHandle table, const workbook::Worksheet& sheet);

// True when the text of a non-empty data cell makes its column a text
// column: it reads as 0 (a text that starts with no number, or a written
// zero such as "0.00"), holds "-" or ",", or is not wholly one number
// ("12abc", "3 m").
bool ColumnDecidesText(const std::string& text);

// The fields of the extent's columns, in column order: text (type 0, length
// 2 + the GBK bytes of the column's longest text below the header) or double
// (type 5, length 15, 6 decimals). Names come from the header cells: "ID"
// becomes "ID1" (the table's own "ID" leads every structure), an empty
// header the column's letters and "列"; cut to the 19 bytes a name holds and
// made distinct.
std::vector<CFIELD_HEAD> TableFieldsOfSheet(const workbook::Worksheet& sheet, const workbook::Extent& extent);

// Gives the table the fields of the extent and appends one record per row
// below the header. False (nothing appended) when the table refuses the
// structure; BasLastRefusal says why.
bool FillTableFromSheet(const workbook::Worksheet& sheet, const workbook::Extent& extent, WorkAreaHandle table);

}  // namespace zv::sheets
