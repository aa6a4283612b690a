#pragma once
// What one chart run holds while it draws a hole: the two layout tables, the
// mine's settings and the hole's depth, as the reading steps leave them
// (chart_settings.h), plus the working values of the column drawers.
// Positions and sizes are paper millimetres; depth d metres lies at
// y = −5·d / scaleFactor, the header above y = 0.

#include <array>
#include <cstdint>
#include <string>

#include "zavediz/chart/chart_db.h"

namespace zv::chart {

// One row of 栏目选择: the fields of table columns 3 to 7.
struct ColumnSelectionRow {
  std::string width;   // 8 bytes
  std::string flag;    // 2: "1" draws the column
  std::string option;  // 2
  std::string left;    // 8
  std::string right;   // 8
};

// One row of 柱状参数: table columns 0 to 9; field 5 is the character size.
struct ChartParameterRow {
  std::array<std::string, 10> fields;
};

inline constexpr int kColumnRows = 33;
inline constexpr int kParameterRows = 22;

// The top of the header block and its foot.
inline constexpr double kHeaderTop = 47.76;

struct ChartState {
  int16_t mode = 0;
  std::array<ColumnSelectionRow, kColumnRows> columns;
  std::array<ChartParameterRow, kParameterRows> params;
  std::string holeName;
  int32_t mineKind = 0;
  float chartWidth = 0;
  double frameWidth = 0;  // only grows over a run
  double holeLength = 0;
  uint16_t holeFlag = 0;
  double descCursor = 0;
  long subNo = 502;  // the compression symbol's sub-graph ([ZK] "subNo")

  double L(int k) const { return NumOf(columns[k].left); }
  double R(int k) const { return NumOf(columns[k].right); }
  double Wd(int k) const { return NumOf(columns[k].width); }
  double S(int k) const { return NumOf(params[k].fields[5]); }
  bool Draws(int k) const { return IntOf(columns[k].flag) == 1; }
  int Option(int k) const { return IntOf(columns[k].option); }
  // Row 5's option switches every drawer to the corrected depth columns.
  bool CorrectedDepths() const { return Option(5) == 1; }
  // y of a depth in metres.
  static double Y(double depth, float scaleFactor) { return depth * -5.0 / scaleFactor; }
};

}  // namespace zv::chart
