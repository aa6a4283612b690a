#include "framework/workbook/object_model.h"

#include <algorithm>
#include <limits>

#include "framework/text/numbers.h"
#include "framework/workbook/cell_text.h"
#include "framework/workbook/workbook_error.h"

namespace zv::workbook {

namespace {

constexpr long kFormatEveryCellLimit = 100000;
constexpr CellRect kWholeSheet{{1, 1}, {kMaxRows, kMaxColumns}};

int SheetIndex(const Book& book, const SheetData* sheet) {
  const auto& sheets = book.data->sheets;
  for (std::size_t i = 0; i < sheets.size(); ++i)
    if (sheets[i].get() == sheet) return static_cast<int>(i);
  throw WorkbookError("工作表已不在工作簿“" + book.title + "”中。");
}

std::shared_ptr<SheetData> ActiveSheetOf(const Book& book) {
  const auto& sheets = book.data->sheets;
  if (sheets.empty()) return nullptr;
  const int index = std::clamp(book.data->activeSheet, 0, static_cast<int>(sheets.size()) - 1);
  return sheets[static_cast<std::size_t>(index)];
}

CellRect Checked(CellRect rect) {
  if (rect.first.row < 1 || rect.first.column < 1 || rect.last.row > kMaxRows || rect.last.column > kMaxColumns)
    throw WorkbookError("单元格超出工作表范围。");
  return rect;
}

// Byte offset of code point `index` (0-based), or the text's size.
std::size_t ByteOffset(std::string_view text, std::uint32_t index) {
  std::uint32_t n = 0;
  for (std::size_t i = 0; i < text.size(); ++i) {
    if ((static_cast<unsigned char>(text[i]) & 0xC0) == 0x80) continue;
    if (n++ == index) return i;
  }
  return text.size();
}

}  // namespace

// ---- Application ----------------------------------------------------------

Application::Application(std::shared_ptr<Session> session, Flavour flavour)
    : session_(std::move(session)), flavour_(flavour) {}

bool Application::Visible() const { return session_->Visible(); }
void Application::SetVisible(bool visible) const { session_->SetVisible(visible); }

workbook::Workbooks Application::Workbooks() const { return {session_, flavour_}; }

std::optional<workbook::Workbook> Application::ActiveWorkbook() const {
  auto book = session_->Active();
  if (!book) return std::nullopt;
  return workbook::Workbook(session_, std::move(book));
}

std::optional<workbook::Worksheet> Application::ActiveSheet() const {
  const auto book = ActiveWorkbook();
  return book ? book->ActiveSheet() : std::nullopt;
}

std::optional<workbook::Window> Application::ActiveWindow() const {
  const auto book = ActiveWorkbook();
  if (!book) return std::nullopt;
  return book->ActiveWindow();
}

std::optional<workbook::Sheets> Application::Sheets() const {
  const auto book = ActiveWorkbook();
  if (!book) return std::nullopt;
  return book->Sheets();
}

void Application::Quit() const { session_->CloseAll(); }

// ---- Workbooks, Workbook, Sheets ------------------------------------------

workbook::Workbook Workbooks::Add() const {
  return {session_, session_->AddNew(flavour_ == Flavour::kEt ? 3 : 1)};
}

workbook::Workbook Workbooks::Add(const std::string& templatePath) const {
  return {session_, session_->AddFromTemplate(templatePath)};
}

workbook::Workbook Workbooks::Open(const std::string& path) const { return {session_, session_->Open(path)}; }

void Workbooks::Close() const { session_->CloseAll(); }

int Workbooks::Count() const { return static_cast<int>(session_->Books().size()); }

workbook::Workbook Workbooks::Item(int index) const {
  const auto& books = session_->Books();
  if (index < 1 || index > static_cast<int>(books.size()))
    throw WorkbookError("没有第 " + std::to_string(index) + " 个工作簿。");
  return {session_, books[static_cast<std::size_t>(index - 1)]};
}

workbook::Sheets Workbook::Sheets() const { return {session_, book_}; }
workbook::Sheets Workbook::Worksheets() const { return {session_, book_}; }

std::optional<workbook::Worksheet> Workbook::ActiveSheet() const {
  auto sheet = ActiveSheetOf(*book_);
  if (!sheet) return std::nullopt;
  return workbook::Worksheet(session_, book_, std::move(sheet));
}

workbook::Window Workbook::ActiveWindow() const { return {session_, book_}; }

void Workbook::Close() const { session_->Close(book_); }

void Workbook::SaveAs(const std::string& path) const { session_->SaveAs(book_, path); }

int Sheets::Count() const { return static_cast<int>(book_->data->sheets.size()); }

workbook::Worksheet Sheets::Item(int index) const {
  const auto& sheets = book_->data->sheets;
  if (index < 1 || index > static_cast<int>(sheets.size()))
    throw WorkbookError("工作簿“" + book_->title + "”中没有第 " + std::to_string(index) + " 个工作表。");
  return {session_, book_, sheets[static_cast<std::size_t>(index - 1)]};
}

workbook::Worksheet Sheets::Item(const std::string& name) const {
  for (const auto& sheet : book_->data->sheets)
    if (sheet->name == name) return {session_, book_, sheet};
  throw WorkbookError("工作簿“" + book_->title + "”中没有工作表“" + name + "”。");
}

workbook::Worksheet Sheets::Add(int count) const {
  auto& data = *book_->data;
  // New sheets count on from the number of sheets, as the programs name them.
  // A number too large to count on from (read from a file) is passed over.
  constexpr long kLargestSheetNumber = 1'000'000'000;
  long number = static_cast<long>(data.sheets.size());
  for (const auto& sheet : data.sheets) {
    if (sheet->name.rfind("Sheet", 0) != 0) continue;
    const long used = num::ParseLong(std::string_view(sheet->name).substr(5));
    if (used < kLargestSheetNumber) number = std::max(number, used);
  }
  const int at = std::clamp(data.activeSheet, 0, static_cast<int>(data.sheets.size()));
  std::shared_ptr<SheetData> first;
  for (int i = 0; i < std::max(1, count); ++i) {
    auto added = std::make_shared<SheetData>();
    added->name = "Sheet" + std::to_string(++number);
    data.sheets.insert(data.sheets.begin() + at + i, added);
    if (!first) first = added;
  }
  data.activeSheet = at;
  book_->modified = true;
  session_->NotifyEdited(book_);
  return {session_, book_, first};
}

// ---- Worksheet and Window -------------------------------------------------

void Worksheet::SetName(const std::string& name) const {
  sheet_->name = name;
  book_->modified = true;
  session_->NotifyEdited(book_);
}

int Worksheet::Index() const { return SheetIndex(*book_, sheet_.get()) + 1; }

std::optional<workbook::Worksheet> Worksheet::Next() const {
  const int index = SheetIndex(*book_, sheet_.get()) + 1;
  const auto& sheets = book_->data->sheets;
  if (index >= static_cast<int>(sheets.size())) return std::nullopt;
  return workbook::Worksheet(session_, book_, sheets[static_cast<std::size_t>(index)]);
}

std::optional<workbook::Worksheet> Worksheet::Previous() const {
  const int index = SheetIndex(*book_, sheet_.get()) - 1;
  if (index < 0) return std::nullopt;
  return workbook::Worksheet(session_, book_, book_->data->sheets[static_cast<std::size_t>(index)]);
}

void Worksheet::Activate() const {
  book_->data->activeSheet = SheetIndex(*book_, sheet_.get());
  session_->NotifyEdited(book_);
}

void Worksheet::Select(bool) const { Activate(); }

workbook::Range Worksheet::Cells() const { return {session_, book_, sheet_, kWholeSheet}; }

workbook::Range Worksheet::UsedRange() const { return {session_, book_, sheet_, sheet_->UsedRect()}; }

workbook::Range Worksheet::Range(const std::string& reference) const {
  const auto rect = ParseRangeReference(reference);
  if (!rect) throw WorkbookError("无效的单元格引用“" + reference + "”。");
  return {session_, book_, sheet_, *rect};
}

workbook::Range Worksheet::Range(const std::string& first, const std::string& last) const {
  const auto a = ParseRangeReference(first);
  const auto b = ParseRangeReference(last);
  if (!a || !b) throw WorkbookError("无效的单元格引用“" + first + "”, “" + last + "”。");
  return {session_, book_, sheet_,
          SpanOf({std::min(a->first.row, b->first.row), std::min(a->first.column, b->first.column)},
                 {std::max(a->last.row, b->last.row), std::max(a->last.column, b->last.column)})};
}

workbook::Range Window::RangeSelection() const {
  const auto sheet = ActiveSheetOf(*book_);
  const SheetView& view = sheet->view;
  CellRect area = view.selection.empty() ? CellRect{view.activeCell, view.activeCell} : view.selection.front();
  for (const CellRect& candidate : view.selection)
    if (candidate.Contains(view.activeCell)) {
      area = candidate;
      break;
    }
  return {session_, book_, sheet, area};
}

workbook::Range Window::AnchorCell() const {
  const auto sheet = ActiveSheetOf(*book_);
  return {session_, book_, sheet, {sheet->view.activeCell, sheet->view.activeCell}};
}

// ---- Range ----------------------------------------------------------------

const Cell* Range::TopLeftCell() const { return sheet_->Find(area_.first.row, area_.first.column); }

const CellFormat& Range::FormatOf(const Cell* cell) const {
  const auto& formats = book_->data->formats;
  return formats[cell && cell->format < formats.size() ? cell->format : 0];
}

void Range::Edited() const {
  book_->modified = true;
  session_->NotifyEdited(book_);
}

workbook::Range Range::Item(int row, int column) const {
  const CellPos pos{area_.first.row + row - 1, area_.first.column + column - 1};
  return {session_, book_, sheet_, Checked({pos, pos})};
}

void Range::SetItem(int row, int column, const CellValue& value) const { Item(row, column).SetValue(value); }

void Range::SetItem(int row, int column, const std::string& typed) const {
  Item(row, column).SetValue(ValueFromTyping(typed));
}

workbook::Range Range::Rows() const { return {session_, book_, sheet_, area_, Counting::kRows}; }
workbook::Range Range::Columns() const { return {session_, book_, sheet_, area_, Counting::kColumns}; }

long Range::Count() const {
  switch (counting_) {
    case Counting::kRows:
      return area_.Rows();
    case Counting::kColumns:
      return area_.Columns();
    case Counting::kCells:
      break;
  }
  return static_cast<long>(area_.Rows()) * area_.Columns();
}

std::string Range::Text() const { return DisplayText(*book_->data, TopLeftCell()); }
CellValue Range::Value() const { return ValueOf(*book_->data, TopLeftCell()); }
std::string Range::Formula() const { return FormulaOf(*book_->data, *sheet_, TopLeftCell()); }
std::string Range::NumberFormat() const { return book_->data->FormatCode(FormatOf(TopLeftCell()).numberFormat); }

void Range::SetValue(const CellValue& value) const {
  if (static_cast<long>(area_.Rows()) * area_.Columns() > kFormatEveryCellLimit)
    throw WorkbookError("一次写入的单元格过多。");
  for (int row = area_.first.row; row <= area_.last.row; ++row)
    for (int column = area_.first.column; column <= area_.last.column; ++column)
      StoreValue(*book_->data, *sheet_, sheet_->FindOrAdd(row, column), value);
  Edited();
}

double Range::ColumnWidth() const { return sheet_->ColumnWidth(area_.first.column); }
double Range::RowHeight() const { return sheet_->RowHeight(area_.first.row); }
int Range::HorizontalAlignment() const { return FormatOf(TopLeftCell()).horizontal; }
int Range::VerticalAlignment() const { return FormatOf(TopLeftCell()).vertical; }

template <typename Change>
void Range::ChangeFormats(Change change) const {
  WorkbookData& data = *book_->data;
  auto apply = [&](Cell& cell) {
    CellFormat format = FormatOf(&cell);
    change(format);
    cell.format = data.AddFormat(format);
  };
  if (static_cast<long>(area_.Rows()) * area_.Columns() <= kFormatEveryCellLimit) {
    for (int row = area_.first.row; row <= area_.last.row; ++row)
      for (int column = area_.first.column; column <= area_.last.column; ++column)
        apply(sheet_->FindOrAdd(row, column));
  } else {
    for (Cell& cell : sheet_->cells)
      if (area_.Contains({cell.row, cell.column})) apply(cell);
  }
  Edited();
}

void Range::SetHorizontalAlignment(int alignment) const {
  ChangeFormats([alignment](CellFormat& format) { format.horizontal = alignment; });
}

void Range::SetVerticalAlignment(int alignment) const {
  ChangeFormats([alignment](CellFormat& format) { format.vertical = alignment; });
}

MergeState Range::MergeCells() const {
  long merged = 0;
  for (const CellRect& merge : sheet_->merges) {
    const int top = std::max(merge.first.row, area_.first.row);
    const int bottom = std::min(merge.last.row, area_.last.row);
    const int left = std::max(merge.first.column, area_.first.column);
    const int right = std::min(merge.last.column, area_.last.column);
    if (top <= bottom && left <= right) merged += static_cast<long>(bottom - top + 1) * (right - left + 1);
  }
  if (merged == 0) return MergeState::kFalse;
  return merged == static_cast<long>(area_.Rows()) * area_.Columns() ? MergeState::kTrue : MergeState::kMixed;
}

workbook::Range Range::MergeArea() const {
  const CellRect* merge = sheet_->MergeAt(area_.first);
  return {session_, book_, sheet_, merge ? *merge : CellRect{area_.first, area_.first}};
}

void Range::Merge(bool across) const {
  auto mergeRect = [&](const CellRect& rect) {
    if (rect.Rows() * static_cast<long>(rect.Columns()) > kFormatEveryCellLimit)
      throw WorkbookError("合并的区域过大。");
    for (int row = rect.first.row; row <= rect.last.row; ++row)
      for (int column = rect.first.column; column <= rect.last.column; ++column) {
        if (row == rect.first.row && column == rect.first.column) continue;
        if (const Cell* cell = sheet_->Find(row, column); cell && cell->kind != CellKind::kEmpty)
          StoreValue(*book_->data, *sheet_, sheet_->FindOrAdd(row, column), CellValue{});
      }
    if (rect.Rows() > 1 || rect.Columns() > 1) sheet_->AddMerge(rect);
  };
  if (across) {
    for (int row = area_.first.row; row <= area_.last.row; ++row)
      mergeRect(sheet_->GrownMerge({{row, area_.first.column}, {row, area_.last.column}}));
  } else {
    mergeRect(sheet_->GrownMerge(area_));
  }
  Edited();
}

workbook::Borders Range::Borders() const { return workbook::Borders(*this); }

workbook::Font Range::Font() const { return workbook::Font(FontOf(*book_->data, TopLeftCell())); }

workbook::Characters Range::Characters(int start, int length) const {
  return workbook::Characters(*this, start, length);
}

workbook::Worksheet Range::Worksheet() const { return {session_, book_, sheet_}; }

// ---- Borders, Font, Characters --------------------------------------------

workbook::Border Borders::Item(int index) const {
  if (index < kDiagonalDown || index > kEdgeRight)
    throw WorkbookError("无效的边框编号 " + std::to_string(index) + "。");
  return workbook::Border(range_, index);
}

int Border::LineStyle() const {
  const SheetData& sheet = *range_.sheet_;
  const WorkbookData& data = *range_.book_->data;
  auto bordersAt = [&](int row, int column) -> const BorderData& {
    const Cell* cell = row >= 1 && column >= 1 ? sheet.Find(row, column) : nullptr;
    const std::uint32_t border = range_.FormatOf(cell).border;
    return data.borders[border < data.borders.size() ? border : 0];
  };
  const CellPos pos = range_.area_.first;
  const BorderData& own = bordersAt(pos.row, pos.column);
  auto either = [](int mine, int facing) { return mine != line::kNone ? mine : facing; };
  switch (index_) {
    case kEdgeLeft:
      return either(own.left, bordersAt(pos.row, pos.column - 1).right);
    case kEdgeRight:
      return either(own.right, bordersAt(pos.row, pos.column + 1).left);
    case kEdgeTop:
      return either(own.top, bordersAt(pos.row - 1, pos.column).bottom);
    case kEdgeBottom:
      return either(own.bottom, bordersAt(pos.row + 1, pos.column).top);
    case kDiagonalDown:
      return own.diagonalDown;
    default:
      return own.diagonalUp;
  }
}

std::string Characters::Text() const {
  const std::string text = range_.Text();
  if (start_ < 1 || length_ < 0) return {};
  const std::size_t from = ByteOffset(text, static_cast<std::uint32_t>(start_ - 1));
  const std::size_t to = ByteOffset(text, static_cast<std::uint32_t>(start_ - 1 + length_));
  return text.substr(from, to - from);
}

workbook::Font Characters::Font() const {
  const WorkbookData& data = *range_.book_->data;
  const Cell* cell = range_.TopLeftCell();
  const FontData& cellFont = FontOf(data, cell);
  if (!cell || cell->kind != CellKind::kText || cell->text >= data.texts.size()) return workbook::Font(cellFont);
  const RichText& rich = data.texts[cell->text];
  const auto index = static_cast<std::uint32_t>(std::max(0, start_ - 1));
  for (const TextRun& run : rich.runs) {
    if (index < run.start || index >= run.start + run.length) continue;
    if (run.font == std::numeric_limits<std::uint32_t>::max() || run.font >= data.fonts.size()) break;
    return workbook::Font(data.fonts[run.font]);
  }
  return workbook::Font(cellFont);
}

Extent ExtentOf(const Range& range) {
  return {range.Rows().Count(), range.Columns().Count(), range.Row(), range.Column()};
}

}  // namespace zv::workbook
