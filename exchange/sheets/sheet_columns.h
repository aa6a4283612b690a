#pragma once
// Reading a sheet's columns for the attribute commands: the header list a
// dialog offers (each entry kept with its own sheet column), how a column's
// data cells decide the type of the field made for it, and the field names
// made from headers.
//
// Rows and columns are 1-based sheet numbers. Texts are the cells' texts as
// displayed, UTF-8; lengths of texts are counted in GBK bytes, as the work
// areas store them.

#include <cstdint>
#include <string>
#include <vector>

#include "framework/workbook/object_model.h"
#include "platform/data/attributes.h"

namespace zv::sheets {

// One column offered by name.
struct SheetColumn {
  std::string name;
  int column = 0;  // sheet column
};

// The text of a sheet cell.
std::string CellText(const workbook::Worksheet& sheet, int row, int column);

// The columns of an extent whose header cell (in `headerRow`) is not empty,
// from the left, each with its sheet column.
std::vector<SheetColumn> HeaderColumns(const workbook::Worksheet& sheet, const workbook::Extent& extent,
                                       int headerRow);

// Every column of a selection: the header text of sheet row 1, or for an
// empty header the column's letters followed by "列" ("AA列" after "Z列").
std::vector<SheetColumn> SelectionColumns(const workbook::Worksheet& sheet, const workbook::Extent& extent);

// What the data cells of a column say about the field made for it.
struct ColumnTyping {
  bool text = false;         // some cell is no number
  bool decimals = false;     // some cell's text holds a '.'
  std::size_t longest = 0;   // GBK bytes of the longest non-empty text
};

// Empty cells say nothing. A cell whose text reads as zero makes the column
// text unless it is "0"; any other cell makes it text unless its whole text
// reads as one number ("2024-01-05", "1,234" and "3-1" are texts).
ColumnTyping TypeColumn(const workbook::Worksheet& sheet, int column, int firstRow, int lastRow);

// The field a typed column becomes. A text column: type 0, its longest text
// long (at least 1). A number column: `numberField` as given, with the name.
CFIELD_HEAD FieldForColumn(const std::string& name, const ColumnTyping& typing, const CFIELD_HEAD& numberField);

// A field name made from a header: characters GBK cannot hold made "_" (the
// platform files keep names in GBK), cut to the 19 GBK bytes a field name
// holds, at a character boundary, and made different from `taken` (names
// already used) by a number at its end. The result joins `taken`.
std::string DistinctFieldName(const std::string& header, std::vector<std::string>& taken);

// The cell's text converted for a field of the given type and stored in
// `record` at `index`: texts as they are, numbers by the sheet's one number
// reading (workbook::ParseCellNumber, full value of General cells). False
// for a type that takes no sheet value (only 0, 2, 3, 4, 5 do).
bool SetFieldFromCell(AttributeRecord& record, int index, const workbook::Range& cell);

// True for the field types a sheet value can be put into.
bool TakesSheetValue(int type);

}  // namespace zv::sheets
