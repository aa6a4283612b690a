#pragma once
// The title block's size check and its row table, as the section header and
// the charts draw it.
//
// Rows: 0 the exploration unit (kind "01"), 1 the drawing title ("02"), both
// the block's full width without a label; then the first column's rows
// 2..7 and the second column's rows 8..13 by the row digit of their order
// (a row whose order places it nowhere stays empty, kind ""). Positions are
// those of each cell's lower right corner, measured from the block's lower
// right corner: x 0 or negative (leftwards), y upwards. Rows stack downwards
// from the top of the columns.

#include <array>
#include <optional>
#include <string>
#include <vector>

#include "zavediz/dialogs/title_block_values.h"
#include "zavediz/section_data/section_data.h"

namespace zv::zavediz {

inline constexpr const char* kTitleSizeError = "图签总高度或者总宽度设置不合理！";
inline constexpr const char* kFirstColumnOrderError = "第一列顺序数字有错误";
inline constexpr const char* kSecondColumnOrderError = "第二列顺序数字有错误";

struct TitleBlockSize {
  double height = 0.0;  // unit + title + first-column height, mm
  double width = 0.0;   // mm
};

// The block's size when the four column widths add up to the total width and
// the rows placed in the first column (order beginning "1") are as high as
// those of the second ("2"), each within 0.001 mm; nothing otherwise.
std::optional<TitleBlockSize> CheckSize(const TitleBlockValues& values);

struct TitleBlockRows {
  std::array<TitleRow, kTitleRowCount> rows;
  // One message per row whose order names its column but no valid place
  // (kFirstColumnOrderError, kSecondColumnOrderError); such a row is left out.
  std::vector<std::string> orderErrors;
};

TitleBlockRows BuildRows(const TitleBlockValues& values);

}  // namespace zv::zavediz
