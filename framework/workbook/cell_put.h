#pragma once
// The one way every writer puts a text into a spreadsheet cell ("string
// put"). The cell takes a number only when the text is exactly that
// number's plain form, so that "12.5" and "-3" can be summed, while "007",
// "3-1", "2024-01-05", "1,200", "12.50" and "1e5" keep every character as
// text: a code, a date or a thousands figure never changes on its way into
// the sheet.
#include <string_view>

#include "framework/workbook/cell_value.h"

namespace zv::workbook {

class Range;

// What a cell takes for `text`.
CellValue PutValue(std::string_view text);

// Puts `text` into the range's cells as PutValue says.
void PutCellText(const Range& cell, std::string_view text);

}  // namespace zv::workbook
