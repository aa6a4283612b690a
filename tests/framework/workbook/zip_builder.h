#pragma once
// Builds small zip archives in memory, for workbooks damaged on purpose.

#include <string>
#include <utility>
#include <vector>

namespace zv::workbook::testing {

using Parts = std::vector<std::pair<std::string, std::string>>;

// The bytes of a zip holding the parts; `encrypted` protects them with a
// password.
std::string MakeZip(const Parts& parts, bool encrypted = false);

// The parts of a one-sheet workbook with the given sheet XML.
Parts MinimalWorkbook(const std::string& sheetXml);

}  // namespace zv::workbook::testing
