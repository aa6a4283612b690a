#pragma once
// A spreadsheet range drawn as a table of the map: each visible cell border
// a line of the current line area, each cell text notes of the current
// point area with the cell's font, size, colour, alignment and its
// superscript and subscript marks. Merged areas keep no inner borders and
// take their text in the whole area's box.
//
// Sizes: a cell is (127/60 · ColumnWidth + 127/96) · sx wide and
// 127/360 · RowHeight · sy high, in map units (millimetres at natural size);
// custom-size tables take their widths from the numbers in sheet row 1 and
// their heights from column A, in map units, unscaled. The table grows right
// and down from its top-left corner. Cells are read one by one through the
// object model, so a WorkbookError can end a drawing part-way: what was
// drawn stays (the caller's undo step takes it back).

#include <cstdint>
#include <vector>

#include "framework/workbook/object_model.h"
#include "platform/data/work_area.h"

namespace zv::sheets {

// How one kind of conversion reads and sizes the cells.
struct TableRules {
  double fontFactor = 0.4;            // character height per point of font size
  bool readBorders = true;            // false: every edge of every cell is drawn
  bool customSizes = false;           // sizes from row 1 and column A
  const char* sizingCaption = "";     // progress of the natural-size pass
  const char* drawingCaption = "";    // progress of the drawing
};

// The running program's selection, a chosen workbook file's used range, the
// custom-size table, and the ET selection.
inline constexpr TableRules kSelectionTable{0.4, true, false, "正在初始化Excel表...", "正在转换Excel表..."};
inline constexpr TableRules kWorkbookFileTable{0.25, true, false, "正在初始化Excel表...", "正在转换Excel表..."};
inline constexpr TableRules kCustomSizeTable{0.25, true, true, "", "正在转换Excel表..."};
inline constexpr TableRules kEtTable{0.25, false, false, "正在初始化ET表...", "正在转换WPS ET表..."};

// The natural sizes, in millimetres.
double CellWidthMm(double columnWidth);
double CellHeightMm(double rowHeight);

struct TableSize {
  double width = 0;   // of the last row
  double height = 0;  // over all rows
};
TableSize NaturalTableSize(const workbook::Worksheet& sheet, const workbook::Extent& extent, const char* caption);

struct TableScale {
  double sx = 1;
  double sy = 1;
};
// The scales that fit the table into the rectangle; natural size (1, 1)
// when either is below 0.1 (a click, a thin rectangle) or the table has no
// width or height.
TableScale ScaleToRect(const TableSize& size, D_DOT topLeft, D_DOT bottomRight);

struct DrawnTable {
  std::vector<int32_t> lines;
  std::vector<int32_t> points;
};

// Draws the extent's cells with the table's top-left corner at `corner`.
// An empty extent draws nothing. `drawn` collects the ids as they are made,
// so a caller keeps them when a spreadsheet call fails part-way.
void DrawSheetTable(const workbook::Worksheet& sheet, const workbook::Extent& extent, const TableRules& rules,
                    D_DOT corner, TableScale scale, WorkAreaHandle lineArea, WorkAreaHandle pointArea,
                    DrawnTable& drawn);

// The natural-size pass, then the table scaled into the rectangle whose
// top-left and bottom-right corners are given.
void DrawSheetTableInRect(const workbook::Worksheet& sheet, const workbook::Extent& extent, const TableRules& rules,
                          D_DOT topLeft, D_DOT bottomRight, WorkAreaHandle lineArea, WorkAreaHandle pointArea,
                          DrawnTable& drawn);

}  // namespace zv::sheets
