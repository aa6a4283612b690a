#pragma once
// Sheet-name tables: one comma-separated file per scale in the data folder
// ("1万图幅号.csv", …), users' own. The first line is a header; in each
// further line, with every blank removed, the sixth field is a new sheet
// number and the seventh its name. Read as UTF-8 when valid, else GB18030.
#include <optional>
#include <string>
#include <string_view>

namespace zv::sheet {

// The table's file name for a scale text ("10000" → "1万图幅号.csv"); empty
// for a scale without one.
std::string SheetNameTable(std::string_view scale);

// The name of the first row whose sixth field is `number`; none when the
// table has no such row, no rows or cannot be read.
std::optional<std::string> FindSheetName(const std::string& tablePath, std::string_view number);

// The same in the table of the scale, found in the data folder.
std::optional<std::string> LookUpSheetName(std::string_view scale, std::string_view number);

}  // namespace zv::sheet
