#pragma once
// Old binary workbooks (.xls, and WPS .et files of the same kind): converted
// to .xlsx by LibreOffice when it is installed, so that formats, borders and
// merged areas come along; otherwise their values read with freexl.

#include <memory>
#include <optional>
#include <string>

#include "framework/workbook/workbook_data.h"
#include "framework/workbook/zip_archive.h"

namespace zv::workbook {

// The LibreOffice program on the PATH, if any.
std::optional<std::string> FindLibreOffice();

// Converts with `program` into a temporary folder and reads the result.
// Throws WorkbookError when the conversion fails or takes too long.
std::unique_ptr<WorkbookData> ReadXlsViaLibreOffice(const std::string& path, const std::string& program,
                                                    const ReadLimits& limits);

// Values, texts and dates of every sheet (freexl leaves out formula results);
// numbers show as General, dates with the short date and time formats.
// Throws WorkbookError.
std::unique_ptr<WorkbookData> ReadXlsViaFreexl(const std::string& path, const ReadLimits& limits);

// What the user is told once when .xls files are read without LibreOffice.
std::string XlsWithoutLibreOfficeNotice();

// The file URL of a local path, its bytes percent-encoded where a URL may not
// hold them (blanks, non-ASCII names), as LibreOffice's -env options expect.
std::string FileUrl(const std::string& path);

}  // namespace zv::workbook
