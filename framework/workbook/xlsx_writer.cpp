#include "framework/workbook/xlsx_writer.h"

#include <xlsxwriter.h>

#include <filesystem>
#include <limits>
#include <map>
#include <set>

#include "framework/workbook/workbook_error.h"

namespace zv::workbook {

namespace {

struct Pair {
  int ours;
  std::uint8_t theirs;
};

constexpr Pair kHorizontal[] = {
    {align::kLeft, LXW_ALIGN_LEFT},       {align::kCenter, LXW_ALIGN_CENTER},
    {align::kRight, LXW_ALIGN_RIGHT},     {align::kFill, LXW_ALIGN_FILL},
    {align::kJustify, LXW_ALIGN_JUSTIFY}, {align::kCenterAcrossSelection, LXW_ALIGN_CENTER_ACROSS},
    {align::kDistributed, LXW_ALIGN_DISTRIBUTED},
};

constexpr Pair kVertical[] = {
    {align::kTop, LXW_ALIGN_VERTICAL_TOP},         {align::kCenter, LXW_ALIGN_VERTICAL_CENTER},
    {align::kJustify, LXW_ALIGN_VERTICAL_JUSTIFY}, {align::kDistributed, LXW_ALIGN_VERTICAL_DISTRIBUTED},
};

constexpr Pair kLines[] = {
    {line::kContinuous, LXW_BORDER_THIN}, {line::kDash, LXW_BORDER_DASHED},
    {line::kDashDot, LXW_BORDER_DASH_DOT}, {line::kDashDotDot, LXW_BORDER_DASH_DOT_DOT},
    {line::kDot, LXW_BORDER_DOTTED},      {line::kDouble, LXW_BORDER_DOUBLE},
    {line::kSlantDashDot, LXW_BORDER_SLANT_DASH_DOT},
};

template <std::size_t N>
std::uint8_t Find(const Pair (&table)[N], int ours) {
  for (const Pair& pair : table)
    if (pair.ours == ours) return pair.theirs;
  return 0;
}

lxw_color_t RgbOf(std::uint32_t bgr) {
  return ((bgr & 0xFF) << 16) | (bgr & 0xFF00) | ((bgr >> 16) & 0xFF);
}

void ApplyFont(lxw_format* format, const FontData& font) {
  if (!font.name.empty()) format_set_font_name(format, font.name.c_str());
  if (font.size > 0) format_set_font_size(format, font.size);
  if (font.color != 0) format_set_font_color(format, RgbOf(font.color));
  if (font.bold) format_set_bold(format);
  if (font.italic) format_set_italic(format);
  if (font.superscript) format_set_font_script(format, LXW_FONT_SUPERSCRIPT);
  if (font.subscript) format_set_font_script(format, LXW_FONT_SUBSCRIPT);
}

class Writer {
 public:
  Writer(const WorkbookData& book, lxw_workbook* workbook) : book_(book), workbook_(workbook) {}

  lxw_format* CellFormatFor(std::uint32_t index) {
    if (index == 0 || index >= book_.formats.size()) return nullptr;
    auto& slot = cellFormats_[index];
    if (slot) return slot;
    const CellFormat& ours = book_.formats[index];
    slot = workbook_add_format(workbook_);
    const std::string code = book_.FormatCode(ours.numberFormat);
    if (book_.numberFormats.count(ours.numberFormat)) format_set_num_format(slot, code.c_str());
    else if (ours.numberFormat != 0) format_set_num_format_index(slot, static_cast<std::uint8_t>(ours.numberFormat));
    if (ours.font != 0 && ours.font < book_.fonts.size()) ApplyFont(slot, book_.fonts[ours.font]);
    if (const auto h = Find(kHorizontal, ours.horizontal)) format_set_align(slot, h);
    if (const auto v = Find(kVertical, ours.vertical)) format_set_align(slot, v);
    if (ours.wrap) format_set_text_wrap(slot);
    if (ours.border < book_.borders.size()) {
      const BorderData& border = book_.borders[ours.border];
      if (const auto s = Find(kLines, border.left)) format_set_left(slot, s);
      if (const auto s = Find(kLines, border.right)) format_set_right(slot, s);
      if (const auto s = Find(kLines, border.top)) format_set_top(slot, s);
      if (const auto s = Find(kLines, border.bottom)) format_set_bottom(slot, s);
    }
    return slot;
  }

  lxw_format* RunFormatFor(std::uint32_t font) {
    if (font >= book_.fonts.size()) return nullptr;
    auto& slot = runFormats_[font];
    if (!slot) {
      slot = workbook_add_format(workbook_);
      ApplyFont(slot, book_.fonts[font]);
    }
    return slot;
  }

  void WriteText(lxw_worksheet* sheet, const Cell& cell, lxw_format* format) {
    const RichText& rich = book_.texts[cell.text];
    if (rich.runs.size() < 2) {
      worksheet_write_string(sheet, cell.row - 1, static_cast<lxw_col_t>(cell.column - 1), rich.text.c_str(), format);
      return;
    }
    std::vector<std::string> pieces;
    std::vector<lxw_rich_string_tuple> tuples;
    for (const TextRun& run : rich.runs) {
      pieces.push_back(Slice(rich.text, run.start, run.length));
      if (pieces.back().empty()) pieces.pop_back();
    }
    std::size_t piece = 0;
    for (const TextRun& run : rich.runs) {
      if (Slice(rich.text, run.start, run.length).empty()) continue;
      tuples.push_back({run.font == std::numeric_limits<std::uint32_t>::max() ? nullptr : RunFormatFor(run.font),
                        const_cast<char*>(pieces[piece++].c_str())});
    }
    std::vector<lxw_rich_string_tuple*> pointers;
    for (auto& tuple : tuples) pointers.push_back(&tuple);
    pointers.push_back(nullptr);
    if (worksheet_write_rich_string(sheet, cell.row - 1, static_cast<lxw_col_t>(cell.column - 1), pointers.data(),
                                    format) != LXW_NO_ERROR)
      worksheet_write_string(sheet, cell.row - 1, static_cast<lxw_col_t>(cell.column - 1), rich.text.c_str(), format);
  }

  void WriteSheet(const SheetData& data, lxw_worksheet* sheet) {
    if (data.defaultRowHeight != 15.0) worksheet_set_default_row(sheet, data.defaultRowHeight, LXW_FALSE);
    for (const ColumnSpan& span : data.columns)
      worksheet_set_column(sheet, static_cast<lxw_col_t>(span.first - 1), static_cast<lxw_col_t>(span.last - 1),
                           span.width, nullptr);
    for (const auto& [row, height] : data.rowHeights) worksheet_set_row(sheet, row - 1, height, nullptr);
    for (const CellRect& merge : data.merges) {
      const Cell* first = data.Find(merge.first.row, merge.first.column);
      worksheet_merge_range(sheet, merge.first.row - 1, static_cast<lxw_col_t>(merge.first.column - 1),
                            merge.last.row - 1, static_cast<lxw_col_t>(merge.last.column - 1), "",
                            CellFormatFor(first ? first->format : 0));
    }
    for (const Cell& cell : data.cells) WriteCell(data, sheet, cell);
    const CellPos active = data.view.activeCell;
    CellRect selection = data.view.selection.empty() ? CellRect{active, active} : data.view.selection.front();
    // The active cell goes first; the other corner is the one across from it.
    const CellPos other{active.row == selection.first.row ? selection.last.row : selection.first.row,
                        active.column == selection.first.column ? selection.last.column : selection.first.column};
    if (selection.Contains(active))
      worksheet_set_selection(sheet, active.row - 1, static_cast<lxw_col_t>(active.column - 1), other.row - 1,
                              static_cast<lxw_col_t>(other.column - 1));
  }

  void WriteCell(const SheetData& data, lxw_worksheet* sheet, const Cell& cell) {
    lxw_format* format = CellFormatFor(cell.format);
    const lxw_row_t row = static_cast<lxw_row_t>(cell.row - 1);
    const lxw_col_t column = static_cast<lxw_col_t>(cell.column - 1);
    if (cell.hasFormula) {
      const auto it = data.formulas.find(SheetData::CellKey(cell.row, cell.column));
      if (it != data.formulas.end()) {
        const std::string formula = it->second.substr(it->second[0] == '=' ? 1 : 0);
        if (cell.kind == CellKind::kText)
          worksheet_write_formula_str(sheet, row, column, formula.c_str(), format, book_.texts[cell.text].text.c_str());
        else
          worksheet_write_formula_num(sheet, row, column, formula.c_str(), format, cell.number);
        return;
      }
    }
    switch (cell.kind) {
      case CellKind::kNumber:
        worksheet_write_number(sheet, row, column, cell.number, format);
        break;
      case CellKind::kText:
        WriteText(sheet, cell, format);
        break;
      case CellKind::kBoolean:
        worksheet_write_boolean(sheet, row, column, cell.number != 0.0, format);
        break;
      case CellKind::kError:
      case CellKind::kEmpty:
        if (format && !data.MergeAt({cell.row, cell.column})) worksheet_write_blank(sheet, row, column, format);
        break;
    }
  }

 private:
  static std::string Slice(const std::string& text, std::uint32_t start, std::uint32_t length) {
    std::size_t from = text.size(), to = text.size();
    std::uint32_t n = 0;
    for (std::size_t i = 0; i <= text.size(); ++i) {
      if (i < text.size() && (static_cast<unsigned char>(text[i]) & 0xC0) == 0x80) continue;
      if (n == start && from == text.size()) from = i;
      if (n == start + length) {
        to = i;
        break;
      }
      ++n;
    }
    return from < to ? text.substr(from, to - from) : std::string();
  }

  const WorkbookData& book_;
  lxw_workbook* workbook_;
  std::map<std::uint32_t, lxw_format*> cellFormats_;
  std::map<std::uint32_t, lxw_format*> runFormats_;
};

}  // namespace

void WriteXlsx(const WorkbookData& book, const std::string& path) {
  namespace fs = std::filesystem;
  const fs::path target(path);
  const fs::path folder = target.has_parent_path() ? target.parent_path() : fs::path(".");
  const fs::path temporary = folder / ("." + target.filename().string() + ".saving.xlsx");
  const std::string failed = "无法保存工作簿“" + path + "”。";

  lxw_workbook_options options{};
  std::string tmpdir = folder.string();
  options.tmpdir = tmpdir.data();
  options.use_zip64 = LXW_TRUE;
  lxw_workbook* workbook = workbook_new_opt(temporary.string().c_str(), &options);
  if (!workbook) throw WorkbookError(failed);
  Writer writer(book, workbook);
  std::set<std::string> names;
  for (std::size_t i = 0; i < book.sheets.size(); ++i) {
    const SheetData& data = *book.sheets[i];
    lxw_worksheet* sheet = workbook_add_worksheet(workbook, data.name.c_str());
    if (!sheet) {
      workbook_close(workbook);
      std::error_code ignored;
      fs::remove(temporary, ignored);
      throw WorkbookError("无法保存工作簿“" + path + "”：工作表名“" + data.name + "”无效或重复。");
    }
    writer.WriteSheet(data, sheet);
    if (static_cast<int>(i) == book.activeSheet) worksheet_activate(sheet);
  }
  std::error_code error;
  if (workbook_close(workbook) != LXW_NO_ERROR) {
    fs::remove(temporary, error);
    throw WorkbookError(failed);
  }
  fs::rename(temporary, target, error);
  if (error) {
    fs::remove(temporary, error);
    throw WorkbookError(failed);
  }
}

}  // namespace zv::workbook
