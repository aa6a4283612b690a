#include "exchange/sheets/sheet_columns.h"

#include <algorithm>

#include "framework/text/encoding.h"
#include "framework/text/numbers.h"
#include "framework/workbook/cell_address.h"
#include "framework/workbook/cell_number.h"

namespace zv::sheets {
namespace {

constexpr std::size_t kFieldNameBytes = 19;

bool Taken(const std::vector<std::string>& taken, const std::string& name) {
  return std::find(taken.begin(), taken.end(), name) != taken.end();
}

}  // namespace

std::string CellText(const workbook::Worksheet& sheet, int row, int column) {
  return sheet.Cells().Item(row, column).Text();
}

std::vector<SheetColumn> HeaderColumns(const workbook::Worksheet& sheet, const workbook::Extent& extent,
                                       int headerRow) {
  std::vector<SheetColumn> columns;
  for (int c = extent.firstColumn; c < extent.firstColumn + extent.columns; ++c) {
    std::string name = CellText(sheet, headerRow, c);
    if (!name.empty()) columns.push_back({std::move(name), c});
  }
  return columns;
}

std::vector<SheetColumn> SelectionColumns(const workbook::Worksheet& sheet, const workbook::Extent& extent) {
  std::vector<SheetColumn> columns;
  for (int c = extent.firstColumn; c < extent.firstColumn + extent.columns; ++c) {
    std::string name = CellText(sheet, 1, c);
    if (name.empty()) name = workbook::ColumnLetters(c) + "列";
    columns.push_back({std::move(name), c});
  }
  return columns;
}

ColumnTyping TypeColumn(const workbook::Worksheet& sheet, int column, int firstRow, int lastRow) {
  ColumnTyping typing;
  const workbook::Range cells = sheet.Cells();
  for (int r = firstRow; r <= lastRow; ++r) {
    const std::string text = cells.Item(r, column).Text();
    if (text.empty()) continue;
    typing.longest = std::max(typing.longest, text::GbkLength(text));
    if (text.find('.') != std::string::npos) typing.decimals = true;
    const std::optional<double> whole = num::ParseTypedReal(text);
    const bool zero = num::ParseDouble(text) == 0.0;
    if (zero ? text != "0" : !whole) typing.text = true;
  }
  return typing;
}

CFIELD_HEAD FieldForColumn(const std::string& name, const ColumnTyping& typing, const CFIELD_HEAD& numberField) {
  CFIELD_HEAD field;
  if (typing.text) {
    field.type = kFieldString;
    field.length = static_cast<int16_t>(std::clamp<std::size_t>(typing.longest, 1, 32000));
    field.decimals = 0;
  } else {
    field = numberField;
  }
  field.name = name;
  field.editFlag = 1;
  field.position = -1;
  return field;
}

std::string DistinctFieldName(const std::string& header, std::vector<std::string>& taken) {
  const std::string held = text::GbkHeld(header);
  std::string name = text::CutToGbkBytes(held, kFieldNameBytes);
  for (int n = 1; Taken(taken, name); ++n) {
    const std::string suffix = std::to_string(n);
    name = text::CutToGbkBytes(held, kFieldNameBytes - suffix.size()) + suffix;
  }
  taken.push_back(name);
  return name;
}

bool TakesSheetValue(int type) {
  return type == kFieldString || type == kFieldShort || type == kFieldLong || type == kFieldFloat ||
         type == kFieldDouble;
}

bool SetFieldFromCell(AttributeRecord& record, int index, const workbook::Range& cell) {
  const int type = record.structure->fields[static_cast<std::size_t>(index)].type;
  if (!TakesSheetValue(type)) return false;
  if (type == kFieldString) return BasSetFieldByIndex(record, index, std::string_view(cell.Text()));
  return BasSetFieldByIndex(record, index, workbook::ParseCellNumber(cell));
}

}  // namespace zv::sheets
