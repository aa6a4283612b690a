#include "exchange/sheets/platform_table.h"

#include <algorithm>
#include <memory>

#include "exchange/sheets/attribute_export.h"
#include "exchange/sheets/sheet_columns.h"
#include "framework/text/encoding.h"
#include "framework/text/numbers.h"
#include "framework/workbook/cell_address.h"
#include "framework/workbook/cell_number.h"
#include "platform/data/table_area.h"

namespace zv::sheets {
namespace {

using workbook::CellValue;

constexpr std::size_t kTextMargin = 2;
constexpr int16_t kDoubleLength = 15;
constexpr int8_t kDoubleDecimals = 6;

std::string FieldName(const std::string& header, int column, std::vector<std::string>& taken) {
  if (header.empty()) return DistinctFieldName(workbook::ColumnLetters(column) + "列", taken);
  return DistinctFieldName(header == kIdFieldName ? header + "1" : header, taken);
}

}  // namespace

void WriteTableToSheet(WorkAreaHandle table, const workbook::Worksheet& sheet) {
  if (table == 0 || BasIsWorkAreaEmpty(table)) return;
  CATT_STRU structure;
  BasGetTableStructure(table, &structure);
  sheet.Select();
  const workbook::Range cells = sheet.Cells();
  for (int j = 0; j < structure.fieldCount(); ++j)
    cells.SetItem(1, j + 1, CellValue::Text(structure.fields[static_cast<std::size_t>(j)].name));
  int32_t bound = 0;
  if (BasGetAttributeInfo(table, BasGetWorkAreaType(table), &bound) != 1) return;
  int32_t skipped = 0;
  AttributeRecord record;
  for (int32_t id = 1; id < bound; ++id) {
    if (BasReadTableRecord(table, id, nullptr, &record) <= 0) {
      ++skipped;
      continue;
    }
    const int row = static_cast<int>(id - skipped + 1);
    for (int j = 0; j < record.structure->fieldCount(); ++j) PutFieldCell(cells, row, j + 1, record, j);
  }
}

bool ColumnDecidesText(const std::string& text) {
  return num::ParseDouble(text) == 0.0 || text.find_first_of("-,") != std::string::npos ||
         !num::ParseTypedReal(text);
}

std::vector<CFIELD_HEAD> TableFieldsOfSheet(const workbook::Worksheet& sheet, const workbook::Extent& extent) {
  std::vector<CFIELD_HEAD> fields;
  std::vector<std::string> taken = {kIdFieldName};
  const workbook::Range cells = sheet.Cells();
  const int lastRow = extent.firstRow + static_cast<int>(extent.rows) - 1;
  for (int c = extent.firstColumn; c < extent.firstColumn + extent.columns; ++c) {
    bool text = false;
    std::size_t longest = 0;
    for (int r = extent.firstRow + 1; r <= lastRow; ++r) {
      const std::string cell = cells.Item(r, c).Text();
      if (cell.empty()) continue;
      longest = std::max(longest, text::GbkLength(cell));
      text = text || ColumnDecidesText(cell);
    }
    CFIELD_HEAD field;
    field.name = FieldName(cells.Item(extent.firstRow, c).Text(), c, taken);
    field.type = text ? kFieldString : kFieldDouble;
    field.length = text ? static_cast<int16_t>(std::min<std::size_t>(longest + kTextMargin, INT16_MAX - 1)) : kDoubleLength;
    field.decimals = text ? 0 : kDoubleDecimals;
    fields.push_back(std::move(field));
  }
  return fields;
}

bool FillTableFromSheet(const workbook::Worksheet& sheet, const workbook::Extent& extent, WorkAreaHandle table) {
  CATT_STRU wanted;
  wanted.fields = TableFieldsOfSheet(sheet, extent);
  if (BasSetAttributeStructure(table, kTableEntity, wanted) != 1) return false;
  auto structure = std::make_shared<CATT_STRU>();
  BasGetTableStructure(table, structure.get());
  AttributeRecord record = AttributeRecord::Empty(structure);
  const workbook::Range cells = sheet.Cells();
  BasBeginBatch(table);
  for (int r = extent.firstRow + 1; r < extent.firstRow + extent.rows; ++r) {
    BasBatchStep(table);
    BasPutFieldNumber(record, 0, r - extent.firstRow);
    for (int k = 1; k < structure->fieldCount(); ++k) {
      const workbook::Range cell = cells.Item(r, extent.firstColumn + k - 1);
      if (structure->fields[static_cast<std::size_t>(k)].type == kFieldString) {
        const std::string text = cell.Text();
        BasPutFieldText(record, k, text.empty() ? std::string(" ") : text);
      } else {
        BasPutFieldNumber(record, k, workbook::ParseCellNumber(cell));
      }
    }
    BasAppendTableRecord(table, record);
  }
  BasEndBatch(table);
  return true;
}

}  // namespace zv::sheets
