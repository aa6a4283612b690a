#pragma once
// Cell addresses as spreadsheets write them ("B3", "AA10", "A1:C4"), in
// 1-based sheet rows and columns.

#include <optional>
#include <string>
#include <string_view>

namespace zv::workbook {

// The largest sheet any spreadsheet program makes; addresses beyond it are
// rejected as damaged input.
inline constexpr int kMaxRows = 1048576;
inline constexpr int kMaxColumns = 16384;

struct CellPos {
  int row = 1;
  int column = 1;
  friend bool operator==(const CellPos&, const CellPos&) = default;
};

// An inclusive rectangle of cells; first is the top-left corner.
struct CellRect {
  CellPos first;
  CellPos last;
  int Rows() const { return last.row - first.row + 1; }
  int Columns() const { return last.column - first.column + 1; }
  bool Contains(CellPos pos) const {
    return pos.row >= first.row && pos.row <= last.row && pos.column >= first.column &&
           pos.column <= last.column;
  }
  friend bool operator==(const CellRect&, const CellRect&) = default;
};

// The rectangle spanned by two corners given in any order.
CellRect SpanOf(CellPos a, CellPos b);

// "A" for 1, "Z" for 26, "AA" for 27; empty for column < 1.
std::string ColumnLetters(int column);

// The spreadsheet name of a cell: column letters then the row ("C3").
std::string CellReference(int row, int column);

// "B3" or "$B$3" -> row 3, column 2; nothing for text that is no address or
// lies beyond the largest sheet.
std::optional<CellPos> ParseCellReference(std::string_view text);

// "A1:C4", "C4:A1" (normalised) or a single cell "B2".
std::optional<CellRect> ParseRangeReference(std::string_view text);

// "A1:C4", or "B2" for a one-cell rectangle.
std::string RangeReference(const CellRect& rect);

}  // namespace zv::workbook
