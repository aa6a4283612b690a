#include "framework/workbook/cell_number.h"

#include <cmath>
#include <string>

#include "framework/text/numbers.h"
#include "framework/workbook/number_format.h"
#include "framework/workbook/object_model.h"

namespace zv::workbook {
namespace {

bool Digit(char c) { return c >= '0' && c <= '9'; }

// A thousands separator: after a digit, followed by exactly three digits.
// "1,5" or "0,5" (a decimal comma) and "12,34" are not: skipping their comma
// would read 15, 5 and 1234, so their comma ends the number as atof's would.
bool GroupComma(std::string_view text, std::size_t i) {
  if (text[i] != ',' || i == 0 || !Digit(text[i - 1])) return false;
  std::size_t digits = 0;
  while (i + 1 + digits < text.size() && Digit(text[i + 1 + digits])) ++digits;
  return digits == 3;
}

}  // namespace

std::string WithoutGroupCommas(std::string_view text) {
  std::size_t i = 0;
  while (i < text.size() && (text[i] == ' ' || (text[i] >= '\t' && text[i] <= '\r'))) ++i;
  if (i < text.size() && (text[i] == '+' || text[i] == '-')) ++i;
  std::string cleaned(text.substr(0, i));
  for (; i < text.size(); ++i) {
    if (GroupComma(text, i)) continue;
    if (!Digit(text[i])) break;
    cleaned += text[i];
  }
  cleaned.append(text.substr(i));
  return cleaned;
}

double ParseCellNumber(std::string_view text) {
  // atof takes "nan", "inf" and "1e999" too; no cell means such a value, and
  // one would carry through every coordinate computed from it.
  const double value = num::ParseDouble(WithoutGroupCommas(text));
  return std::isfinite(value) ? value : 0.0;
}

double ParseCellNumber(const Range& cell) {
  const CellValue value = cell.Value();
  const std::string shown = cell.Text();
  if (value.type == CellValue::Type::kNumber && shown == FormatGeneral(value.number)) return value.number;
  return ParseCellNumber(shown);
}

}  // namespace zv::workbook
