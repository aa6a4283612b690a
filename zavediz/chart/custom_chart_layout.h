#pragma once
// The custom borehole chart's layout, read from the database for each hole:
// the column table 栏目选择1 (row i is column index i, in 原序号 order), the
// parameter rows of 柱状参数 (in table order), and the hole's size.
//  - Fields keep the whole stored value: a value used as a number is read
//    from it whole ("2.5" in a 3-byte size field is 2.5); a drawn text is
//    cut to its field's width less one GBK byte (Text).
//  - Rows beyond the 34 columns and 22 parameter rows are ignored; rows not
//    read stay empty (shown 0).
//  - The rows titled exactly "柱状图", "F1" and "地质描述" are found by index;
//    a table without one has kNoRow there, whose option reads 0.
//  - chartWidth is the largest right edge (0 without rows), chartDepth the
//    final depth in paper mm (depth × 5 / scale factor, 0 for a hole missing
//    from zkinfok).

#include <array>
#include <cstdint>
#include <string>

#include "zavediz/chart/chart_db.h"
#include "zavediz/section_data/section_data.h"

namespace zv::chart {

using zavediz::kTitleRowCount;
using zavediz::TitleRow;

struct ChartColumn {
  enum Field { kCode, kExtra, kTitle, kWidth, kShown, kOption, kLeft, kRight, kDecimals, kFields };
  static constexpr std::size_t kBytes[kFields] = {8, 8, 20, 8, 2, 2, 8, 8, 20};

  std::array<std::string, kFields> fields;

  std::string Text(Field f) const { return CutBytes(fields[f], kBytes[f] - 1); }
  int Int(Field f) const { return IntOf(fields[f]); }
  double Num(Field f) const { return NumOf(fields[f]); }
  double Left() const { return Num(kLeft); }
  double Right() const { return Num(kRight); }
  double Width() const { return Num(kWidth); }
};

struct ChartParamRow {
  static constexpr int kFields = 10;
  static constexpr std::size_t kBytes[kFields] = {4, 21, 8, 4, 9, 3, 3, 3, 5, 5};

  std::array<std::string, kFields> fields;

  // Field 5, the text size the column drawers read, in mm.
  double Size() const { return NumOf(fields[5]); }
};

inline constexpr int kChartColumns = 34;
inline constexpr int kChartParams = 22;
inline constexpr int kNoRow = -1;
inline constexpr double kStartHeaderTop = 10.0;

struct CustomChartLayout {
  std::array<ChartColumn, kChartColumns> columns;
  std::array<ChartParamRow, kChartParams> params;
  float chartWidth = 0;
  double chartDepth = 0;
  int16_t layerCount = 0;
  int chartColIndex = kNoRow;
  int f1ColIndex = kNoRow;
  int descColIndex = kNoRow;
  // The header's height above y = 0: the header file's when one was read.
  double headerTop = kStartHeaderTop;
  std::string holeName;
  // The title block's rows as last confirmed; kinds empty (no row in use)
  // before the first confirmation.
  std::array<TitleRow, kTitleRowCount> titleRows{};

  int OptionOf(int index) const { return index < 0 ? 0 : columns[index].Int(ChartColumn::kOption); }
  // The 柱状图 row's option 1 puts every column on the corrected depths.
  bool Corrected() const { return OptionOf(chartColIndex) == 1; }
};

// Reads 栏目选择1, 柱状参数 and the hole's zkinfok record over its own
// connection. Throws ChartReadError (chart_db.h).
void ReadChartParameters(CustomChartLayout& layout, const std::string& dataSource, float scaleFactor,
                         const std::string& mine, const std::string& hole);

}  // namespace zv::chart
