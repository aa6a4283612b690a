#include "framework/workbook/workbook_data.h"

#include <algorithm>

#include "framework/workbook/number_format.h"

namespace zv::workbook {

namespace {
bool CellBefore(const Cell& cell, CellPos pos) {
  return cell.row != pos.row ? cell.row < pos.row : cell.column < pos.column;
}
}  // namespace

const Cell* SheetData::Find(int row, int column) const {
  const CellPos pos{row, column};
  const auto it = std::lower_bound(cells.begin(), cells.end(), pos, CellBefore);
  if (it == cells.end() || it->row != row || it->column != column) return nullptr;
  return &*it;
}

Cell& SheetData::FindOrAdd(int row, int column) {
  const CellPos pos{row, column};
  auto it = std::lower_bound(cells.begin(), cells.end(), pos, CellBefore);
  if (it != cells.end() && it->row == row && it->column == column) return *it;
  usedRect_.reset();
  Cell cell;
  cell.row = row;
  cell.column = column;
  return *cells.insert(it, cell);
}

namespace {
bool Overlap(const CellRect& a, const CellRect& b) {
  return a.first.row <= b.last.row && b.first.row <= a.last.row && a.first.column <= b.last.column &&
         b.first.column <= a.last.column;
}
}  // namespace

void SheetData::AddMerge(const CellRect& area) {
  std::erase_if(merges, [&](const CellRect& m) { return Overlap(m, area); });
  merges.push_back(area);
  usedRect_.reset();
}

CellRect SheetData::GrownMerge(CellRect area) const {
  for (bool grown = true; grown;) {
    grown = false;
    for (const CellRect& m : merges) {
      if (!Overlap(m, area) || (area.Contains(m.first) && area.Contains(m.last))) continue;
      area = {{std::min(area.first.row, m.first.row), std::min(area.first.column, m.first.column)},
              {std::max(area.last.row, m.last.row), std::max(area.last.column, m.last.column)}};
      grown = true;
    }
  }
  return area;
}

CellRect SheetData::UsedRect() const {
  if (usedRect_) return *usedRect_;
  if (cells.empty() && merges.empty()) return *(usedRect_ = CellRect{});
  CellRect rect{{kMaxRows, kMaxColumns}, {1, 1}};
  if (!cells.empty()) {
    rect.first.row = cells.front().row;
    rect.last.row = cells.back().row;
    for (const Cell& cell : cells) {
      rect.first.column = std::min(rect.first.column, cell.column);
      rect.last.column = std::max(rect.last.column, cell.column);
    }
  }
  for (const CellRect& merge : merges) {
    rect.first.row = std::min(rect.first.row, merge.first.row);
    rect.first.column = std::min(rect.first.column, merge.first.column);
    rect.last.row = std::max(rect.last.row, merge.last.row);
    rect.last.column = std::max(rect.last.column, merge.last.column);
  }
  return *(usedRect_ = rect);
}

const CellRect* SheetData::MergeAt(CellPos pos) const {
  for (const auto& merge : merges)
    if (merge.Contains(pos)) return &merge;
  return nullptr;
}

double SheetData::ColumnWidth(int column) const {
  const auto it = std::lower_bound(columns.begin(), columns.end(), column,
                                   [](const ColumnSpan& span, int c) { return span.last < c; });
  if (it != columns.end() && it->first <= column) return it->width;
  return defaultColumnWidth;
}

double SheetData::RowHeight(int row) const {
  const auto it = rowHeights.find(row);
  return it != rowHeights.end() ? it->second : defaultRowHeight;
}

std::uint32_t WorkbookData::AddText(RichText text) {
  texts.push_back(std::move(text));
  return static_cast<std::uint32_t>(texts.size() - 1);
}

std::uint32_t WorkbookData::AddFont(const FontData& font) {
  const auto it = std::find(fonts.begin(), fonts.end(), font);
  if (it != fonts.end()) return static_cast<std::uint32_t>(it - fonts.begin());
  fonts.push_back(font);
  return static_cast<std::uint32_t>(fonts.size() - 1);
}

std::uint32_t WorkbookData::AddFormat(const CellFormat& format) {
  const auto it = std::find(formats.begin(), formats.end(), format);
  if (it != formats.end()) return static_cast<std::uint32_t>(it - formats.begin());
  formats.push_back(format);
  return static_cast<std::uint32_t>(formats.size() - 1);
}

std::string WorkbookData::FormatCode(std::uint32_t numberFormat) const {
  const auto it = numberFormats.find(numberFormat);
  if (it != numberFormats.end()) return it->second;
  return BuiltInFormatCode(numberFormat);
}

}  // namespace zv::workbook
