#pragma once
// Styled sheets built in code for the drawn-table tests (column widths, row
// heights, borders, fonts, alignment, merges), and dumps of what a drawing
// made.

#include <functional>
#include <string>
#include <vector>

#include "framework/workbook/object_model.h"
#include "platform/data/work_area.h"

namespace zv::sheets::test {

class SheetStyler {
 public:
  explicit SheetStyler(workbook::Worksheet sheet) : sheet_(std::move(sheet)) {}
  void Width(int column, double width);
  void Height(int row, double points);
  // Changes one cell's format (its font and borders included).
  void Style(int row, int column,
             const std::function<void(workbook::CellFormat&, workbook::BorderData&, workbook::FontData&)>& change);
  // Every edge of every cell of the rectangle set continuous.
  void Borders(const workbook::CellRect& rect);
  void Text(int row, int column, const std::string& typed) { sheet_.Cells().SetItem(row, column, typed); }
  const workbook::Worksheet& Sheet() const { return sheet_; }

 private:
  workbook::Worksheet sheet_;
};

// "x1,y1 x2,y2 ..." of every live line, one entry per line in id order,
// coordinates to 4 decimals.
std::vector<std::string> LineDump(WorkAreaHandle area);
struct NoteDump {
  std::string text;
  D_DOT at;
  PNT_INFO info;
};
std::vector<NoteDump> Notes(WorkAreaHandle area);

}  // namespace zv::sheets::test
