#pragma once
// Writes a workbook as .xlsx (libxlsxwriter): sheets and their names, texts
// (with rich-text runs), numbers, booleans, formulas with their values,
// number formats, fonts, borders, alignment, merged areas, column widths,
// row heights, the active sheet and the selection. The file is written
// beside the target and renamed over it, so a failed save loses nothing.

#include <string>

#include "framework/workbook/workbook_data.h"

namespace zv::workbook {

// Throws WorkbookError.
void WriteXlsx(const WorkbookData& book, const std::string& path);

}  // namespace zv::workbook
