#include "framework/workbook/cell_put.h"

#include <charconv>
#include <cmath>
#include <string>

#include "framework/workbook/object_model.h"

namespace zv::workbook {

CellValue PutValue(std::string_view text) {
  double value = 0.0;
  const char* end = text.data() + text.size();
  const auto [stop, error] = std::from_chars(text.data(), end, value, std::chars_format::fixed);
  // "-0" would come back as 0: the sign is part of the text.
  if (error != std::errc() || stop != end || !std::isfinite(value) || (value == 0.0 && std::signbit(value)))
    return CellValue::Text(std::string(text));
  // The shortest fixed form that reads back as the same number.
  char plain[400];
  const auto written = std::to_chars(plain, plain + sizeof plain, value, std::chars_format::fixed);
  if (written.ec != std::errc() || std::string_view(plain, written.ptr - plain) != text)
    return CellValue::Text(std::string(text));
  return CellValue::Number(value);
}

void PutCellText(const Range& cell, std::string_view text) { cell.SetValue(PutValue(text)); }

}  // namespace zv::workbook
