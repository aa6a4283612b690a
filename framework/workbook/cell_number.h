#pragma once
// The one way every reader takes a number from a spreadsheet cell, in place
// of atof/atoi on the text the cell shows.
//
// The text is read as atof in the C locale reads it (leading blanks, the
// longest leading number, 0 when there is none; "12%" reads 12), except
// that a comma in the whole part followed by exactly three digits is
// skipped: "1,200" reads 1200, never 1, so a thousands separator cannot turn
// 1,200 m into 1 m; any other comma ends the number ("1,5" reads 1, never
// 15). A text that reads as no finite number ("nan", "inf", "1e999") reads
// 0. A number cell shown in the General format gives its full value:
// General shows about eleven characters, so 3512345.678901 shows as
// 3512345.679, and reading the text would lose the rest.
#include <string>
#include <string_view>

namespace zv::workbook {

class Range;

// The text with the thousands separators of its leading whole part taken out ("2,000" → "2000", "1,200.5 m" → "1200.5 m"); the rest as it is.
// For texts handed on to a reader that takes their leading number.
std::string WithoutGroupCommas(std::string_view text);

double ParseCellNumber(std::string_view text);
// Of the range's top-left cell.
double ParseCellNumber(const Range& cell);

}  // namespace zv::workbook
