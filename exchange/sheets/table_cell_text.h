#pragma once
// What a drawn table makes of one cell's text: the marks of its superscript
// and subscript runs, the platform font number and character height of its
// font, and the notes the text becomes inside the cell's box.
//
// Sizes are map units; the box's corner is its top-left (map y grows
// upwards). Notes and text blocks take the current default point records of
// kinds 0 and 5, changed in place as every writer of points does.

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "framework/workbook/object_model.h"
#include "platform/data/work_area.h"

namespace zv::sheets {

// "宋体" 1, "仿宋" 2, "黑体" 3, "楷体" 4, any other font 1.
int16_t TableFontNumber(std::string_view fontName);

// `factor` · size in points; 2.0 when that is below 0.5.
double TableCharHeight(double fontSize, double factor);

// The text of a cell holding literal text, with "#+" before each run of
// superscript characters, "#-" before each run of subscript ones and "#="
// where normal characters follow such a run (none after the last
// character); trailing blanks go. Numbers, dates and formula results keep
// `shown`, the text as displayed.
std::string ApplyCellFormat(const workbook::Range& cell, std::string shown);

struct CellTextBox {
  D_DOT corner;          // top-left
  double width = 0;
  double height = 0;
  double charHeight = 0;  // before scaling
  int32_t colour = 0;     // platform colour number
  int16_t font = 1;
  double sx = 1;
  double sy = 1;
  int horizontal = 1;  // spreadsheet alignment constants
  int vertical = -4107;
};

// Writes the text into the point area as notes (one per line) or, when a
// single line is wider than the box, as one text block; the ids appended.
// "\r\n" breaks a line once, and no carriage return reaches a note.
std::vector<int32_t> WriteCellText(WorkAreaHandle area, std::string_view text, const CellTextBox& box);

}  // namespace zv::sheets
