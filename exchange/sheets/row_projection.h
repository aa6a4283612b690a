#pragma once
// Sheet rows turned into map entities: one point per row at its
// coordinates, a label beside it, lines through the points, the row's
// cells as the point's attributes.
//
// Coordinates: a cell's text with its first "°", "′" and "″" taken out
// ("117°03′15″" reads 1170315), read as a number (a General number cell
// gives its full value). Without projection the sheet's X is the map's
// vertical axis: P = (Y·1000/s, X·1000/s). With projection the projector
// turns (X, Y) — longitude and latitude in the input unit — into plane
// east, north metres, and P = (east·1000/s, north·1000/s).
//
// A break row (X and Y read 0 and the Y text is empty) ends the line of the
// points since the last break; so does the row after the last walked row,
// whatever it holds. A line of fewer than two points is not made; a closed
// line repeats its first point at the end.
#include <cstdint>
#include <functional>
#include <string>
#include <vector>

#include "exchange/sheets/sheet_columns.h"
#include "framework/workbook/object_model.h"
#include "platform/data/work_area.h"

namespace zv::sheets {

struct ProjectionOptions {
  bool noProjection = true;   // "不需要投影"
  bool closeLine = true;      // "线闭合"
  bool drawLine = true;       // "绘制线"
  bool drawPoints = true;     // "绘制点"
  bool noteLabels = true;     // "注释标注"
  int32_t scale = 1000;       // "比例尺"
  bool giveAttributes = true; // "赋给点属性"
  int32_t interval = 0;       // "间隔"
  bool attitude = false;      // "投影产状"
  double distance = 3.0;      // "距离"
};

// Sheet columns; 0 where none was chosen.
struct ProjectionColumns {
  int x = 0;
  int y = 0;
  int note = 0;
  int dipDirection = 0;
  int dipAngle = 0;
  std::vector<SheetColumn> attributes;
};

struct ProjectionStyle {
  PNT_INFO symbol;  // the points' sub-graph
  PNT_INFO note;    // the labels
  LIN_INFO line;
};

// Excel makes 32-bit integer fields of columns without decimals; ET makes
// every number column a double field.
enum class FieldTyping { kExcel, kEt };

struct RowWalk {
  int firstRow = 2;  // the first data row
  int lastRow = 1;   // the last data row
  int labelBase = 1; // labels go on rows whose offset from it is 1 or a multiple of the interval
  bool progress = false;  // show "正在写属性结构..." and "正在投影数据..."
};

// (x, y) of a row → plane east, north metres in place; false when the
// projection is not set up.
using PlaneProjector = std::function<bool(double& x, double& y)>;

struct ProjectionOutcome {
  bool projectionFailed = false;  // the walk stopped at a row ("未设置投影参数！")
  std::string refusal;            // the structure refused the fields; nothing was made
  std::vector<int32_t> points;    // appended to the point area (labels and points)
  std::vector<int32_t> lines;
};

// The text of a coordinate cell with its angle marks removed, and its value.
std::string WithoutAngleMarks(std::string text);
double CoordinateOf(const workbook::Range& cell);

ProjectionOutcome ProjectSheetRows(const workbook::Worksheet& sheet, const RowWalk& walk,
                                   const ProjectionColumns& columns, const ProjectionOptions& options,
                                   const ProjectionStyle& style, const PlaneProjector& projector, FieldTyping typing,
                                   WorkAreaHandle pointArea, WorkAreaHandle lineArea);

}  // namespace zv::sheets
