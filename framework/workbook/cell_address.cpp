#include "framework/workbook/cell_address.h"

#include <algorithm>

namespace zv::workbook {

CellRect SpanOf(CellPos a, CellPos b) {
  return {{std::min(a.row, b.row), std::min(a.column, b.column)},
          {std::max(a.row, b.row), std::max(a.column, b.column)}};
}

std::string ColumnLetters(int column) {
  std::string letters;
  while (column > 0) {
    const int digit = (column - 1) % 26;
    letters.insert(letters.begin(), static_cast<char>('A' + digit));
    column = (column - 1) / 26;
  }
  return letters;
}

std::string CellReference(int row, int column) { return ColumnLetters(column) + std::to_string(row); }

std::optional<CellPos> ParseCellReference(std::string_view text) {
  std::size_t i = 0;
  if (i < text.size() && text[i] == '$') ++i;
  long column = 0;
  const std::size_t lettersStart = i;
  while (i < text.size()) {
    char c = text[i];
    if (c >= 'a' && c <= 'z') c = static_cast<char>(c - 'a' + 'A');
    if (c < 'A' || c > 'Z') break;
    column = column * 26 + (c - 'A' + 1);
    if (column > kMaxColumns) return std::nullopt;
    ++i;
  }
  if (i == lettersStart) return std::nullopt;
  if (i < text.size() && text[i] == '$') ++i;
  long row = 0;
  const std::size_t digitsStart = i;
  while (i < text.size() && text[i] >= '0' && text[i] <= '9') {
    row = row * 10 + (text[i] - '0');
    if (row > kMaxRows) return std::nullopt;
    ++i;
  }
  if (i == digitsStart || i != text.size() || row < 1) return std::nullopt;
  return CellPos{static_cast<int>(row), static_cast<int>(column)};
}

std::optional<CellRect> ParseRangeReference(std::string_view text) {
  const auto colon = text.find(':');
  if (colon == std::string_view::npos) {
    const auto cell = ParseCellReference(text);
    if (!cell) return std::nullopt;
    return CellRect{*cell, *cell};
  }
  const auto a = ParseCellReference(text.substr(0, colon));
  const auto b = ParseCellReference(text.substr(colon + 1));
  if (!a || !b) return std::nullopt;
  return SpanOf(*a, *b);
}

std::string RangeReference(const CellRect& rect) {
  std::string text = CellReference(rect.first.row, rect.first.column);
  if (rect.first != rect.last) text += ":" + CellReference(rect.last.row, rect.last.column);
  return text;
}

}  // namespace zv::workbook
