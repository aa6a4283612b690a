#pragma once
// A formula shared by a block of cells is stored once, for its first cell;
// the others take it with their relative references moved along.

#include <string>
#include <string_view>

namespace zv::workbook {

// Moves the relative A1 references of a formula by rows and columns; absolute
// parts ("$A", "$1"), text in quotes and function names stay.
std::string ShiftFormula(std::string_view formula, int rows, int columns);

}  // namespace zv::workbook
