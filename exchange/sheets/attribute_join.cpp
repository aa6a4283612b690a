#include "exchange/sheets/attribute_join.h"

#include <cmath>
#include <unordered_map>

#include "framework/workbook/cell_number.h"
#include "platform/progress/progress.h"

namespace zv::sheets {
namespace {

CFIELD_HEAD JoinedNumberField() {
  CFIELD_HEAD field;
  field.type = kFieldDouble;
  field.length = 15;
  field.decimals = 6;
  return field;
}

// The key a record or a cell gives, as the key field's type compares it.
std::string KeyOf(int type, const std::string& text, double number) {
  if (type == kFieldString) return text;
  const double truncated = std::trunc(number);
  const auto value = truncated >= 2147483647.0 || truncated <= -2147483648.0 ? 0 : static_cast<int32_t>(truncated);
  return std::to_string(type == kFieldShort ? static_cast<int16_t>(value) : value);
}

}  // namespace

JoinOutcome JoinSheetAttributes(const workbook::Worksheet& sheet, const workbook::Extent& extent,
                                const JoinRequest& request) {
  JoinOutcome outcome;
  const WorkAreaHandle area = request.area;
  const int type = BasGetWorkAreaType(area);
  CATT_STRU structure;
  BasReadAttributeStructure(area, type, &structure);
  int32_t bound = 0;
  if (BasGetAttributeInfo(area, type, &bound) != 1) return outcome;
  if (request.keyField < 0 || request.keyField >= structure.fieldCount()) return outcome;
  const uint8_t keyType = structure.fields[static_cast<std::size_t>(request.keyField)].type;
  if (keyType != kFieldString && keyType != kFieldShort && keyType != kFieldLong) {
    outcome.result = JoinOutcome::Result::kBadKeyType;
    return outcome;
  }
  const int firstData = extent.firstRow + 1;
  const int lastData = extent.firstRow + static_cast<int>(extent.rows) - 1;

  // Names as fields hold them: cut, and distinct from each other.
  std::vector<SheetColumn> columns = request.columns;
  std::vector<std::string> taken;
  for (SheetColumn& column : columns) column.name = DistinctFieldName(column.name, taken);

  StartProgress("正在设置属性结构...");
  SetRange(0, static_cast<int64_t>(columns.size()));
  for (std::size_t i = 0; i < columns.size(); ++i) {
    SetPos(static_cast<int64_t>(i + 1));
    const SheetColumn& column = columns[i];
    const CFIELD_HEAD field =
        FieldForColumn(column.name, TypeColumn(sheet, column.column, firstData, lastData), JoinedNumberField());
    if (!EnsureField(area, type, field)) {
      EndProgress();
      outcome.result = JoinOutcome::Result::kRefused;
      outcome.refusal = BasLastRefusal();
      return outcome;
    }
  }
  EndProgress();

  const workbook::Range cells = sheet.Cells();
  std::unordered_map<std::string, int> rowOfKey;
  for (int r = firstData; r <= lastData; ++r) {
    const workbook::Range cell = cells.Item(r, request.keyColumn);
    const std::string text = cell.Text();
    rowOfKey.emplace(KeyOf(keyType, text, keyType == kFieldString ? 0.0 : workbook::ParseCellNumber(cell)), r);
  }

  StartProgress("正在挂接属性...");
  SetRange(0, bound);
  BasBeginBatch(area);
  AttributeRecord record;
  for (int32_t id = 1; id < bound; ++id) {
    SetPos(id);
    if (BasReadAttribute(area, type, id, &record) <= 0) continue;
    std::string keyText;
    double keyNumber = 0;
    BasGetFieldText(record, request.keyField, &keyText);
    BasGetFieldDoubleByIndex(record, request.keyField, &keyNumber);
    const auto found = rowOfKey.find(KeyOf(keyType, keyText, keyNumber));
    if (found == rowOfKey.end()) continue;
    for (const SheetColumn& column : columns) {
      const int index = BasFindField(*record.structure, column.name);
      if (index >= 0) SetFieldFromCell(record, index, cells.Item(found->second, column.column));
    }
    BasWriteAttribute(area, type, id, record);
    outcome.changedIds.push_back(id);
  }
  BasEndBatch(area);
  EndProgress();
  return outcome;
}

}  // namespace zv::sheets
