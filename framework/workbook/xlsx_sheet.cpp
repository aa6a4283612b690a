// Shared strings and worksheets of an .xlsx package.
#include <algorithm>
#include <cctype>
#include <charconv>
#include <cmath>
#include <cstdlib>
#include <limits>
#include <optional>

#include "framework/text/encoding.h"
#include "framework/text/numbers.h"
#include "framework/workbook/cell_address.h"
#include "framework/workbook/number_format.h"
#include "framework/workbook/shared_formula.h"
#include "framework/workbook/workbook_error.h"
#include "framework/workbook/xlsx_parts.h"

namespace zv::workbook::xlsx {

namespace {

std::uint32_t CodePoints(std::string_view utf8) {
  std::uint32_t n = 0;
  for (unsigned char c : utf8)
    if ((c & 0xC0) != 0x80) ++n;
  return n;
}

std::string DamagedSheet(const std::string& displayName, const std::string& sheet, const std::string& what) {
  return "工作簿“" + displayName + "”已损坏：工作表“" + sheet + "”" + what + "。";
}

std::string BadValue(const std::string& displayName, const std::string& sheet, CellPos pos, std::string_view value) {
  return DamagedSheet(displayName, sheet,
                      "的单元格 " + CellReference(pos.row, pos.column) + " 应为数值，却是“" + std::string(value.substr(0, text::Utf8CutLength(value, 40))) + "”");
}

// The number a cell's <v> holds (blanks around it and a leading "+"
// allowed, as XML numbers have them); nothing when it holds no finite number.
std::optional<double> CellNumber(std::string_view text) {
  while (!text.empty() && std::isspace(static_cast<unsigned char>(text.front()))) text.remove_prefix(1);
  while (!text.empty() && std::isspace(static_cast<unsigned char>(text.back()))) text.remove_suffix(1);
  if (text.size() > 1 && text.front() == '+' && text[1] != '-') text.remove_prefix(1);
  double value = 0;
  const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
  if (error != std::errc() || end != text.data() + text.size() || !std::isfinite(value) || text.empty())
    return std::nullopt;
  return value;
}

// "2024-01-05T12:30:00" -> a date serial.
double SerialFromIso(std::string_view text, bool date1904) {
  int year = 1899, month = 12, day = 31;
  double seconds = 0.0;
  if (text.size() >= 10 && text[4] == '-' && text[7] == '-') {
    year = num::ParseInt(text.substr(0, 4));
    month = num::ParseInt(text.substr(5, 2));
    day = num::ParseInt(text.substr(8, 2));
    text.remove_prefix(std::min<std::size_t>(11, text.size()));
  } else if (!text.empty() && text[0] == 'T') {
    text.remove_prefix(1);
  }
  if (text.size() >= 5 && text[2] == ':') {
    seconds = num::ParseInt(text.substr(0, 2)) * 3600.0 + num::ParseInt(text.substr(3, 2)) * 60.0;
    if (text.size() >= 8) seconds += num::ParseDouble(text.substr(6));
  }
  if (month < 1 || month > 12 || day < 1 || day > 31) return 0.0;
  return DateSerial(year, month, day, seconds, date1904);
}

struct SharedFormulaMaster {
  CellPos origin;
  std::string formula;
};

void ReadColumns(pugi::xml_node cols, SheetData& data) {
  for (auto col = cols.first_child(); col; col = col.next_sibling()) {
    const int first = std::clamp(col.attribute("min").as_int(1), 1, kMaxColumns);
    const int last = std::clamp(col.attribute("max").as_int(first), first, kMaxColumns);
    double width = data.defaultColumnWidth;
    if (col.attribute("hidden").as_bool()) width = 0.0;
    else if (const auto w = col.attribute("width")) width = ColumnWidthFromFile(num::ParseDouble(w.value()));
    data.columns.push_back({first, last, width});
  }
  std::sort(data.columns.begin(), data.columns.end(),
            [](const ColumnSpan& a, const ColumnSpan& b) { return a.first < b.first; });
  std::vector<ColumnSpan> disjoint;
  for (const auto& span : data.columns)
    if (disjoint.empty() || span.first > disjoint.back().last) disjoint.push_back(span);
  data.columns = std::move(disjoint);
}

void ReadFormat(pugi::xml_node format, SheetData& data) {
  if (const auto height = format.attribute("defaultRowHeight"))
    data.defaultRowHeight = num::ParseDouble(height.value());
  if (const auto width = format.attribute("defaultColWidth")) {
    data.defaultColumnWidth = ColumnWidthFromFile(num::ParseDouble(width.value()));
  } else {
    // The default width rounds up to a multiple of 8 pixels.
    const double base = format.attribute("baseColWidth").as_double(8.0);
    const double pixels = std::ceil((base * 7.0 + 5.0) / 8.0) * 8.0;
    data.defaultColumnWidth = std::round((pixels - 5.0) / 7.0 * 100.0) / 100.0;
  }
}

void ReadView(pugi::xml_node views, SheetData& data) {
  const pugi::xml_node view = Child(views, "sheetView");
  if (!view) return;
  const std::string_view activePane = Attribute(Child(view, "pane"), "activePane").value();
  pugi::xml_node chosen;
  for (auto selection = view.first_child(); selection; selection = selection.next_sibling()) {
    if (!Is(selection, "selection")) continue;
    const std::string_view pane = selection.attribute("pane").value();
    if (!chosen || pane == activePane) chosen = selection;
  }
  if (!chosen) return;
  const auto active = ParseCellReference(chosen.attribute("activeCell").value());
  std::vector<CellRect> areas;
  std::string_view sqref = chosen.attribute("sqref").value();
  while (!sqref.empty()) {
    const auto space = sqref.find(' ');
    if (const auto rect = ParseRangeReference(sqref.substr(0, space))) areas.push_back(*rect);
    if (space == std::string_view::npos) break;
    sqref.remove_prefix(space + 1);
  }
  if (active) data.view.activeCell = *active;
  if (areas.empty()) areas.push_back({data.view.activeCell, data.view.activeCell});
  data.view.selection = std::move(areas);
}

}  // namespace

RichText ReadRichText(pugi::xml_node item, const ColourContext& colours, WorkbookData& book) {
  RichText rich;
  const FontData normal = book.fonts.front();  // a copy: AddFont may move the table
  for (auto part = item.first_child(); part; part = part.next_sibling()) {
    const std::string_view name = LocalName(part.name());
    if (name == "t") {
      rich.text += part.text().get();
    } else if (name == "r") {
      const std::string_view text = Child(part, "t").text().get();
      const auto properties = Child(part, "rPr");
      TextRun run{CodePoints(rich.text), CodePoints(text), 0};
      run.font = properties ? book.AddFont(ReadFont(properties, colours, normal))
                            : std::numeric_limits<std::uint32_t>::max();
      rich.text += text;
      rich.runs.push_back(run);
    }
  }
  return rich;
}

void ReadSharedStrings(const pugi::xml_document& strings, const ColourContext& colours, WorkbookData& book,
                       std::size_t maxStrings) {
  for (auto item = strings.document_element().first_child(); item; item = item.next_sibling()) {
    if (!Is(item, "si")) continue;
    if (book.texts.size() >= maxStrings) break;
    book.AddText(ReadRichText(item, colours, book));
  }
}

void ReadWorksheet(const pugi::xml_document& sheet, SheetData& data, SheetContext& context) {
  const pugi::xml_node root = sheet.document_element();
  WorkbookData& book = context.book;
  ReadFormat(Child(root, "sheetFormatPr"), data);
  ReadColumns(Child(root, "cols"), data);
  ReadView(Child(root, "sheetViews"), data);

  std::vector<SharedFormulaMaster> masters;
  bool sorted = true;
  int previousRow = 0;
  for (auto row = Child(root, "sheetData").first_child(); row; row = row.next_sibling()) {
    if (!Is(row, "row")) continue;
    const int rowNumber = row.attribute("r").as_int(previousRow + 1);
    if (rowNumber < 1 || rowNumber > kMaxRows)
      throw WorkbookError(DamagedSheet(context.displayName, data.name, "的行号超出范围"));
    if (rowNumber < previousRow) sorted = false;
    previousRow = rowNumber;
    if (row.attribute("hidden").as_bool()) data.rowHeights[rowNumber] = 0.0;
    else if (const auto height = row.attribute("ht")) data.rowHeights[rowNumber] = num::ParseDouble(height.value());

    int previousColumn = 0;
    for (auto c = row.first_child(); c; c = c.next_sibling()) {
      if (!Is(c, "c")) continue;
      CellPos pos{rowNumber, previousColumn + 1};
      if (const auto ref = c.attribute("r")) {
        const auto parsed = ParseCellReference(ref.value());
        if (!parsed) throw WorkbookError(DamagedSheet(context.displayName, data.name, "的单元格地址无效或超出范围"));
        pos = *parsed;
      }
      if (pos.column > kMaxColumns || pos.row != rowNumber)
        throw WorkbookError(DamagedSheet(context.displayName, data.name, "的单元格地址无效或超出范围"));
      if (pos.column <= previousColumn) sorted = false;
      previousColumn = pos.column;
      if (context.cellBudget == 0)
        throw WorkbookError("工作簿“" + context.displayName + "”的单元格过多，拒绝读取。");
      --context.cellBudget;

      Cell cell;
      cell.row = pos.row;
      cell.column = pos.column;
      cell.format = c.attribute("s").as_uint();
      if (cell.format >= book.formats.size()) cell.format = 0;
      const std::string_view type = c.attribute("t").value();
      const pugi::xml_node value = Child(c, "v");
      const char* valueText = value.text().get();
      if (type == "inlineStr") {
        cell.kind = CellKind::kText;
        cell.text = book.AddText(ReadRichText(Child(c, "is"), context.colours, book));
      } else if (value && (*valueText != '\0' || type == "str")) {
        if (type == "s") {
          const auto index = static_cast<std::size_t>(std::strtoull(valueText, nullptr, 10));
          if (index >= context.sharedStringCount)
            throw WorkbookError(DamagedSheet(context.displayName, data.name, "引用了不存在的共享文本"));
          cell.kind = CellKind::kText;
          cell.text = static_cast<std::uint32_t>(index);
        } else if (type == "str") {
          cell.kind = CellKind::kText;
          cell.text = book.AddText({valueText, {}});
        } else if (type == "b") {
          // Any number but 0 is TRUE, as spreadsheet programs read it.
          const std::optional<double> number = CellNumber(valueText);
          if (!number) throw WorkbookError(BadValue(context.displayName, data.name, pos, valueText));
          cell.kind = CellKind::kBoolean;
          cell.number = *number != 0 ? 1.0 : 0.0;
        } else if (type == "e") {
          cell.kind = CellKind::kError;
          cell.text = book.AddText({valueText, {}});
        } else if (type == "d") {
          cell.kind = CellKind::kNumber;
          cell.number = SerialFromIso(valueText, book.date1904);
        } else {
          const std::optional<double> number = CellNumber(valueText);
          if (!number) throw WorkbookError(BadValue(context.displayName, data.name, pos, valueText));
          cell.kind = CellKind::kNumber;
          cell.number = *number;
        }
      }
      if (const pugi::xml_node f = Child(c, "f")) {
        cell.hasFormula = true;
        std::string formula = f.text().get();
        if (std::string_view(f.attribute("t").value()) == "shared") {
          const std::size_t si = f.attribute("si").as_uint(0);
          if (si < 100000) {
            if (!formula.empty()) {
              if (masters.size() <= si) masters.resize(si + 1);
              masters[si] = {pos, formula};
            } else if (si < masters.size()) {
              formula = ShiftFormula(masters[si].formula, pos.row - masters[si].origin.row,
                                     pos.column - masters[si].origin.column);
            }
          }
        }
        data.formulas[SheetData::CellKey(pos.row, pos.column)] = "=" + formula;
      }
      data.cells.push_back(cell);
    }
  }
  if (!sorted) {
    std::stable_sort(data.cells.begin(), data.cells.end(), [](const Cell& a, const Cell& b) {
      return a.row != b.row ? a.row < b.row : a.column < b.column;
    });
    // A cell written twice keeps its last value.
    std::vector<Cell> unique;
    for (const Cell& cell : data.cells) {
      if (!unique.empty() && unique.back().row == cell.row && unique.back().column == cell.column)
        unique.back() = cell;
      else
        unique.push_back(cell);
    }
    data.cells = std::move(unique);
  }

  for (auto merge = Child(root, "mergeCells").first_child(); merge; merge = merge.next_sibling()) {
    const auto rect = ParseRangeReference(merge.attribute("ref").value());
    if (rect && (rect->Rows() > 1 || rect->Columns() > 1)) data.merges.push_back(*rect);
  }
  const CellRect used = data.UsedRect();
  if (static_cast<std::size_t>(used.Rows()) * static_cast<std::size_t>(used.Columns()) > context.maxUsedCells)
    throw WorkbookError(DamagedSheet(context.displayName, data.name,
                                     "的范围过大（" + RangeReference(used) + "），可能已损坏"));
}

}  // namespace zv::workbook::xlsx
