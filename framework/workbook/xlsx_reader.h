#pragma once
// Reads .xlsx and .xlsm workbooks: values, texts with rich-text runs,
// formulas, number formats, fonts and colours, borders, alignment, merged
// areas, column widths and row heights, sheet names and order, and the sheet
// views stored by the program that saved the file.

#include <memory>
#include <string>
#include <string_view>

#include "framework/workbook/workbook_data.h"
#include "framework/workbook/zip_archive.h"

namespace zv::workbook {

// Throws WorkbookError (damaged, encrypted, oversized) naming `displayName`.
std::unique_ptr<WorkbookData> ReadXlsx(std::string_view bytes, const std::string& displayName,
                                       const ReadLimits& limits = {});

std::unique_ptr<WorkbookData> ReadXlsxFile(const std::string& path, const ReadLimits& limits = {});

}  // namespace zv::workbook
