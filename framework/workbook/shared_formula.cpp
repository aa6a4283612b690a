#include "framework/workbook/shared_formula.h"

#include <cctype>

#include "framework/workbook/cell_address.h"

namespace zv::workbook {

namespace {

bool IsNameChar(char c) {
  return std::isalnum(static_cast<unsigned char>(c)) || c == '_' || c == '.' ||
         static_cast<unsigned char>(c) >= 0x80;
}

// At `i`, a reference [$]letters[$]digits not part of a longer name: its
// length, or 0.
std::size_t ReferenceLength(std::string_view text, std::size_t i) {
  if (i > 0 && (IsNameChar(text[i - 1]) || text[i - 1] == '$')) return 0;
  std::size_t j = i;
  if (j < text.size() && text[j] == '$') ++j;
  const std::size_t letters = j;
  while (j < text.size() && std::isalpha(static_cast<unsigned char>(text[j]))) ++j;
  if (j == letters || j - letters > 3) return 0;
  if (j < text.size() && text[j] == '$') ++j;
  const std::size_t digits = j;
  while (j < text.size() && std::isdigit(static_cast<unsigned char>(text[j]))) ++j;
  if (j == digits) return 0;
  if (j < text.size() && (IsNameChar(text[j]) || text[j] == '(' || text[j] == '!')) return 0;
  return j - i;
}

std::string Shift(std::string_view reference, int rows, int columns) {
  std::size_t i = 0;
  const bool absoluteColumn = reference[i] == '$';
  if (absoluteColumn) ++i;
  const std::size_t lettersStart = i;
  while (std::isalpha(static_cast<unsigned char>(reference[i]))) ++i;
  const std::string letters(reference.substr(lettersStart, i - lettersStart));
  const bool absoluteRow = reference[i] == '$';
  if (absoluteRow) ++i;
  const auto parsed = ParseCellReference(letters + std::string(reference.substr(i)));
  if (!parsed) return std::string(reference);
  const int column = absoluteColumn ? parsed->column : parsed->column + columns;
  const int row = absoluteRow ? parsed->row : parsed->row + rows;
  if (column < 1 || row < 1) return "#REF!";
  return (absoluteColumn ? "$" : "") + ColumnLetters(column) + (absoluteRow ? "$" : "") + std::to_string(row);
}

}  // namespace

std::string ShiftFormula(std::string_view formula, int rows, int columns) {
  std::string out;
  bool quoted = false;
  for (std::size_t i = 0; i < formula.size();) {
    const char c = formula[i];
    if (c == '"') quoted = !quoted;
    if (!quoted) {
      if (const std::size_t length = ReferenceLength(formula, i)) {
        out += Shift(formula.substr(i, length), rows, columns);
        i += length;
        continue;
      }
    }
    out += c;
    ++i;
  }
  return out;
}

}  // namespace zv::workbook
