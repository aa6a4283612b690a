#include "framework/workbook/cell_text.h"

#include "framework/workbook/number_format.h"

namespace zv::workbook {

namespace {
const CellFormat& FormatOf(const WorkbookData& book, const Cell* cell) {
  const std::uint32_t index = cell && cell->format < book.formats.size() ? cell->format : 0;
  return book.formats[index];
}

const std::string& TextOf(const WorkbookData& book, const Cell& cell) {
  static const std::string kNone;
  return cell.text < book.texts.size() ? book.texts[cell.text].text : kNone;
}
}  // namespace

std::string DisplayText(const WorkbookData& book, const Cell* cell) {
  if (!cell) return {};
  switch (cell->kind) {
    case CellKind::kEmpty:
      return {};
    case CellKind::kNumber:
      return FormatNumber(cell->number, book.FormatCode(FormatOf(book, cell).numberFormat), book.date1904);
    case CellKind::kText:
      return FormatText(TextOf(book, *cell), book.FormatCode(FormatOf(book, cell).numberFormat));
    case CellKind::kBoolean:
      return cell->number != 0.0 ? "TRUE" : "FALSE";
    case CellKind::kError:
      return TextOf(book, *cell);
  }
  return {};
}

CellValue ValueOf(const WorkbookData& book, const Cell* cell) {
  if (!cell) return {};
  switch (cell->kind) {
    case CellKind::kEmpty:
      return {};
    case CellKind::kNumber: {
      const bool date = IsDateFormat(book.FormatCode(FormatOf(book, cell).numberFormat));
      return {date ? CellValue::Type::kDate : CellValue::Type::kNumber, cell->number, {}};
    }
    case CellKind::kText:
      return CellValue::Text(TextOf(book, *cell));
    case CellKind::kBoolean:
      return {CellValue::Type::kBoolean, cell->number, {}};
    case CellKind::kError:
      return {CellValue::Type::kError, 0.0, TextOf(book, *cell)};
  }
  return {};
}

std::string FormulaOf(const WorkbookData& book, const SheetData& sheet, const Cell* cell) {
  if (!cell) return {};
  if (cell->hasFormula) {
    const auto it = sheet.formulas.find(SheetData::CellKey(cell->row, cell->column));
    if (it != sheet.formulas.end()) return it->second;
  }
  switch (cell->kind) {
    case CellKind::kNumber:
      return FormatGeneral(cell->number);
    case CellKind::kBoolean:
      return cell->number != 0.0 ? "TRUE" : "FALSE";
    case CellKind::kText:
    case CellKind::kError:
      return TextOf(book, *cell);
    case CellKind::kEmpty:
      break;
  }
  return {};
}

const FontData& FontOf(const WorkbookData& book, const Cell* cell) {
  const std::uint32_t font = FormatOf(book, cell).font;
  return book.fonts[font < book.fonts.size() ? font : 0];
}

void StoreValue(WorkbookData& book, SheetData& sheet, Cell& cell, const CellValue& value) {
  if (cell.hasFormula) sheet.formulas.erase(SheetData::CellKey(cell.row, cell.column));
  cell.hasFormula = false;
  cell.number = value.number;
  switch (value.type) {
    case CellValue::Type::kEmpty:
      cell.kind = CellKind::kEmpty;
      break;
    case CellValue::Type::kNumber:
    case CellValue::Type::kDate:
      cell.kind = CellKind::kNumber;
      break;
    case CellValue::Type::kBoolean:
      cell.kind = CellKind::kBoolean;
      break;
    case CellValue::Type::kText:
      cell.kind = CellKind::kText;
      cell.text = book.AddText({value.text, {}});
      break;
    case CellValue::Type::kError:
      cell.kind = CellKind::kError;
      cell.text = book.AddText({value.text, {}});
      break;
  }
}

}  // namespace zv::workbook
