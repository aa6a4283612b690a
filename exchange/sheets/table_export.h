#pragma once
// A table drawn in the map, as the selection pool and a dragged rectangle
// give it, turned into sheet cells.
//
// From its lines ("MapGis->Excel"): horizontal and vertical lines crossing
// scans 4.0 apart make the row and column lines (lines within 2.0 of one
// already found count as that one); each note of any kind strictly inside a
// cell gives its text (several joined by "\n" in pool order); a cell edge
// with no selected line within 2.5 of its midpoint is no edge, so the cell
// merges with its neighbour across it and passes its text up, then left.
// The map's top row is sheet row 1, its left column column A.
//
// From its notes alone ("MapGis->Excel1"): a regular grid of bands (twice the
// mean note width by the mean note height + 2.0) fills the rectangle; each
// text note strictly inside a band cell gives that cell its text (a later
// note replaces an earlier one), and rows and columns of bands without a
// note are dropped.
//
// Both read the entities only; any number of lines and notes is taken.

#include <span>
#include <string>
#include <vector>

#include "framework/workbook/cell_address.h"
#include "platform/data/work_area.h"

namespace zv::workbook {
class Worksheet;
}

namespace zv::sheets {

struct SheetTable {
  struct Cell {
    int row = 1;  // 1-based sheet row and column
    int column = 1;
    std::string text;
  };
  std::vector<Cell> cells;  // in writing order, empty texts included where written
  // Pairs of neighbouring cells to merge, in order.
  std::vector<workbook::CellRect> merges;
  bool centred = false;  // every cell centred both ways
};

// A pool the exports take: not empty, its first entry's area open.
bool ExportablePool(std::span<const ENTITY_MSG> pool);

// The rectangle's two corners in any order.
SheetTable TableFromLines(std::span<const ENTITY_MSG> pool, D_DOT corner, D_DOT opposite);
SheetTable TableFromNotes(std::span<const ENTITY_MSG> pool, D_DOT corner, D_DOT opposite);

// Merges, then texts through the string put, then the alignment.
void WriteSheetTable(const workbook::Worksheet& sheet, const SheetTable& table);

}  // namespace zv::sheets
