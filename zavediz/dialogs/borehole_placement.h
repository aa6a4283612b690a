#pragma once
// Where the workbook chart tool draws a borehole column: the scale, the hole
// and, for precise positioning, the start points of the exploration line, of
// the plan and of the section (metres). Also the two sources the placement
// dialog fills it from: the hole ids of a worksheet and a coordinate file.

#include <string>
#include <string_view>
#include <vector>

#include "framework/workbook/object_model.h"

namespace zv::zavediz {

// In the order the chart tool reads the dialog's results.
struct BoreholePlacement {
  std::string hole = "ZK";
  int scale = 1000;
  double lineX = 0.0, lineY = 0.0;
  double planX = 0.0, planY = 0.0;
  double sectionH = 0.0;
  double sectionX = 0.0, sectionY = 0.0;
  bool precise = false;

  friend bool operator==(const BoreholePlacement&, const BoreholePlacement&) = default;
};

// A coordinate file: eight lines (CR LF or LF) holding the scale, the line's
// X and Y, the section's X, Y and H and the plan's X and Y, each the leading
// number of its line, in any text encoding (a byte-order mark, UTF-16).
// Missing lines read as 0. The hole and the precise flag are kept.
void ReadPlacementCoordinates(std::string_view bytes, BoreholePlacement& placement);

// True when the sheet holds nothing (its used range is the empty cell A1).
bool SheetIsEmpty(const workbook::Worksheet& sheet);

// The texts of column 1 from row 2 down to and including the first empty
// cell.
std::vector<std::string> HoleIdsOf(const workbook::Worksheet& sheet);

}  // namespace zv::zavediz
