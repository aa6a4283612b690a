#pragma once
// The text a spreadsheet program displays for a value under a number format
// code: General, fixed decimals, thousands separators, percent, scientific,
// literal text, sections for negatives, zero and text, dates and times in the
// 1900 and the 1904 date systems, and elapsed times.

#include <cstdint>
#include <string>
#include <string_view>

namespace zv::workbook {

// The code of a built-in number format id (0 "General", 14 a short date, ...);
// ids with no built-in meaning give "General". Dates follow the Chinese
// regional settings the program's users run ("yyyy/m/d").
std::string BuiltInFormatCode(std::uint32_t id);

// True when the format shows numbers as dates or times.
bool IsDateFormat(std::string_view code);

// The displayed text of a number.
std::string FormatNumber(double value, std::string_view code, bool date1904);

// The displayed text of a text value (the text section, "@" replaced).
std::string FormatText(std::string_view text, std::string_view code);

// "General": up to eleven characters, scientific beyond them.
std::string FormatGeneral(double value);

// A date serial of the workbook's date system from a civil date and time.
double DateSerial(int year, int month, int day, double secondsOfDay, bool date1904);

}  // namespace zv::workbook
