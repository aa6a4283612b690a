#pragma once
// The column declaration of a grid list: one text such as
// "序号,50;1字段名称,200" declares every column. Each entry is name,width and
// ends at the next ";" (the last ";" may be left out). Reading stops at the
// first entry without a ",". The width is the leading integer of the text
// after the comma (blanks and a sign may precede it; 0 when there is none).
// A name whose first character is "1" loses it and makes the column
// left-aligned; any other column is centred. Blanks and tabs belong to the
// heading.

#include <QString>
#include <vector>

namespace zv::grid {

enum class ColumnAlign { Left, Centre };

struct GridColumn {
  QString heading;
  int width = 0;  // pixels
  ColumnAlign align = ColumnAlign::Centre;

  friend bool operator==(const GridColumn&, const GridColumn&) = default;
};

std::vector<GridColumn> ParseColumnSpec(const QString& spec);

}  // namespace zv::grid
