#pragma once
// What one cell shows and holds, from the workbook's tables.

#include <string>

#include "framework/workbook/cell_value.h"
#include "framework/workbook/workbook_data.h"

namespace zv::workbook {

// The text as displayed under the cell's number format; a formula without a
// cached value shows nothing.
std::string DisplayText(const WorkbookData& book, const Cell* cell);

// The value; a number under a date format is a date.
CellValue ValueOf(const WorkbookData& book, const Cell* cell);

// The formula ("=...") or, for a cell without one, its value as entered.
std::string FormulaOf(const WorkbookData& book, const SheetData& sheet, const Cell* cell);

// The font of a cell (its format's font).
const FontData& FontOf(const WorkbookData& book, const Cell* cell);

// Stores a value in a cell, dropping any formula.
void StoreValue(WorkbookData& book, SheetData& sheet, Cell& cell, const CellValue& value);

}  // namespace zv::workbook
