#pragma once
// Date and time sections of number formats, in the 1900 date system (with
// its phantom 29 February 1900) and the 1904 one. Internal to the number
// formatter.

#include <string>

#include "framework/workbook/format_code.h"

namespace zv::workbook {

// The section's text for a non-negative date serial; "########" for serials
// no date has.
std::string RenderDate(const format_code::Section& section, double value, bool date1904);

}  // namespace zv::workbook
