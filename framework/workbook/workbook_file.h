#pragma once
// Reads a workbook file of any kind the program accepts: .xlsx and .xlsm
// directly; .xls and WPS .et files (compound documents) through LibreOffice
// when it is installed, else their values through freexl.

#include <memory>
#include <string>

#include "framework/workbook/workbook_data.h"
#include "framework/workbook/zip_archive.h"

namespace zv::workbook {

struct LoadedWorkbook {
  std::unique_ptr<WorkbookData> data;
  // A note for the user about what could not be read (shown once), or empty.
  std::string notice;
};

// Throws WorkbookError with a message for the user.
LoadedWorkbook LoadWorkbookFile(const std::string& path, const ReadLimits& limits = {});

}  // namespace zv::workbook
