#pragma once
// A number as spreadsheet programs display it: its value to 15 significant
// digits, kept as decimal digits, so that rounding at a format's decimals is
// done on the decimal value (half away from zero: 2.5 shows 3, 1.005 shows
// 1.01) and scaling by powers of ten (percent, thousands) never overflows.

#include <string>

namespace zv::workbook {

struct DecimalDigits {
  std::string digits;  // significant digits, no leading or trailing zeros; empty for 0
  int point = 0;       // the value is 0.digits × 10^point
};

// The magnitude of a finite number to 15 significant digits.
DecimalDigits ToDecimalDigits(double value);

// The digits with `decimals` digits after the point, rounded half away from
// zero: "1234.50", "0.13", "3" (decimals 0, no point). The integer part is
// "0" below 1.
std::string FixedText(const DecimalDigits& value, int decimals);

}  // namespace zv::workbook
