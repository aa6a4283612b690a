#include "exchange/sheets/sheet_table.h"

#include <cmath>
#include <unordered_map>

#include "exchange/sheets/table_cell_text.h"
#include "exchange/sheets/table_edges.h"
#include "framework/workbook/cell_number.h"
#include "framework/workbook/workbook_data.h"
#include "platform/display/display_calls.h"
#include "platform/progress/progress.h"

namespace zv::sheets {
namespace {

// The widths and heights the table formulas shown to the user name.
constexpr double kMmPerCharacter = 127.0 / 60.0;
constexpr double kMmCellMargin = 127.0 / 96.0;
constexpr double kMmPerPoint = 127.0 / 360.0;

// Ends the progress also when a spreadsheet call throws.
class ProgressRun {
 public:
  ProgressRun(const char* caption, int64_t steps) {
    StartProgress();
    SetMainProgressName(caption);
    SetRange(0, steps);
  }
  ~ProgressRun() { EndProgress(); }
  ProgressRun(const ProgressRun&) = delete;
  ProgressRun& operator=(const ProgressRun&) = delete;
};

double Finite(double value) { return std::isfinite(value) ? value : 0.0; }

// Area numbers of merged cells, by cell of the extent; 0 for the rest.
class AreaNumbers {
 public:
  AreaNumbers(long rows, long columns) : rows_(rows), columns_(columns) {}
  void Set(long i, long j, int32_t n) {
    if (i >= 0 && i < rows_ && j >= 0 && j < columns_) numbers_[Key(i, j)] = n;
  }
  bool Inside(long i, long j) const { return i >= 0 && i < rows_ && j >= 0 && j < columns_; }
  int32_t At(long i, long j) const {
    const auto it = numbers_.find(Key(i, j));
    return it == numbers_.end() ? 0 : it->second;
  }

 private:
  static uint64_t Key(long i, long j) { return (static_cast<uint64_t>(i) << 24) | static_cast<uint64_t>(j); }
  long rows_, columns_;
  std::unordered_map<uint64_t, int32_t> numbers_;
};

struct CellBorders {
  bool left = true, top = true, bottom = true, right = true;
};

CellBorders BordersOf(const workbook::Range& cell, bool read) {
  if (!read) return {};
  const workbook::Borders borders = cell.Borders();
  const auto shown = [&](int index) { return borders.Item(index).LineStyle() != workbook::line::kNone; };
  return {shown(workbook::kEdgeLeft), shown(workbook::kEdgeTop), shown(workbook::kEdgeBottom),
          shown(workbook::kEdgeRight)};
}

int32_t ColourNumber(std::uint32_t bgr) {
  return display::DspRgbToColorIndex(static_cast<int>(bgr & 0xff), static_cast<int>((bgr >> 8) & 0xff),
                                     static_cast<int>((bgr >> 16) & 0xff));
}

}  // namespace

double CellWidthMm(double columnWidth) { return kMmPerCharacter * columnWidth + kMmCellMargin; }
double CellHeightMm(double rowHeight) { return kMmPerPoint * rowHeight; }

TableSize NaturalTableSize(const workbook::Worksheet& sheet, const workbook::Extent& extent, const char* caption) {
  TableSize size;
  if (extent.rows < 1 || extent.columns < 1) return size;
  ProgressRun progress(caption, extent.rows * extent.columns);
  const workbook::Range cells = sheet.Cells();
  int64_t step = 0;
  for (long i = 0; i < extent.rows; ++i) {
    const int r = extent.firstRow + static_cast<int>(i);
    size.width = 0;
    double rowHeight = 0;
    for (long j = 0; j < extent.columns; ++j) {
      const workbook::Range cell = cells.Item(r, extent.firstColumn + static_cast<int>(j));
      size.width += CellWidthMm(cell.ColumnWidth());
      rowHeight = cell.RowHeight();
      SetPos(++step);
    }
    size.height += CellHeightMm(rowHeight);
  }
  return size;
}

TableScale ScaleToRect(const TableSize& size, D_DOT topLeft, D_DOT bottomRight) {
  if (!(size.width > 0) || !(size.height > 0)) return {};
  const TableScale scale{std::fabs(bottomRight.x - topLeft.x) / size.width,
                         std::fabs(bottomRight.y - topLeft.y) / size.height};
  if (!std::isfinite(scale.sx) || !std::isfinite(scale.sy) || scale.sx < 0.1 || scale.sy < 0.1) return {};
  return scale;
}

void DrawSheetTable(const workbook::Worksheet& sheet, const workbook::Extent& extent, const TableRules& rules,
                    D_DOT corner, TableScale scale, WorkAreaHandle lineArea, WorkAreaHandle pointArea,
                    DrawnTable& drawn) {
  const long rows = extent.rows, columns = extent.columns;
  if (rows < 1 || columns < 1) return;
  if (rules.customSizes) scale = {};
  ProgressRun progress(rules.drawingCaption, rows * columns);
  const workbook::Range cells = sheet.Cells();
  TableEdges edges(lineArea, drawn.lines);
  AreaNumbers areas(rows, columns);
  std::vector<int32_t> columnChains(static_cast<std::size_t>(columns), 0);
  std::vector<double> columnDepth(static_cast<std::size_t>(columns), 0.0);  // heights above, per column
  int32_t topChain = 0, leftChain = 0;
  int32_t n = 0;

  for (long i = 0; i < rows; ++i) {
    const int r = extent.firstRow + static_cast<int>(i);
    int32_t rowChain = 0;
    double rowWidth = 0;  // widths left of the cell, in its row
    for (long j = 0; j < columns; ++j) {
      const int c = extent.firstColumn + static_cast<int>(j);
      const workbook::Range cell = cells.Item(r, c);
      double w, h;
      if (rules.customSizes) {
        w = Finite(workbook::ParseCellNumber(cells.Item(1, c)));
        h = Finite(workbook::ParseCellNumber(cells.Item(r, 1)));
      } else {
        w = CellWidthMm(cell.ColumnWidth()) * scale.sx;
        h = CellHeightMm(cell.RowHeight()) * scale.sy;
      }
      std::string text = cell.Text();
      const CellBorders borders = BordersOf(cell, rules.readBorders);
      const workbook::Font font = cell.Font();
      const double charHeight = TableCharHeight(font.Size(), rules.fontFactor);
      const int horizontal = cell.HorizontalAlignment();
      const int vertical = cell.VerticalAlignment();
      if (!text.empty()) text = ApplyCellFormat(cell, std::move(text));
      ++n;
      const D_DOT p{corner.x + rowWidth, corner.y - columnDepth[static_cast<std::size_t>(j)]};
      rowWidth += w;
      columnDepth[static_cast<std::size_t>(j)] += h;

      const workbook::MergeState merge = cell.MergeCells();
      if (merge != workbook::MergeState::kMixed) {
        const bool merged = merge == workbook::MergeState::kTrue;
        long mergeRows = 1, mergeColumns = 1;
        if (merged) {
          const workbook::CellRect area = cell.MergeArea().Area();
          mergeRows = area.Rows();
          mergeColumns = area.Columns();
          for (int mr = area.first.row; mr <= area.last.row; ++mr) areas.Set(mr - extent.firstRow, j, n);
          for (int mc = area.first.column; mc <= area.last.column; ++mc) areas.Set(i, mc - extent.firstColumn, n);
        }
        if (i == 0) edges.DrawOuterEdge(p, w, EdgeAxis::kHorizontal, topChain, borders.top);
        if (j == 0) edges.DrawOuterEdge(p, h, EdgeAxis::kVertical, leftChain, borders.left);
        const auto sharesArea = [&](long ni, long nj) { return areas.Inside(ni, nj) && areas.At(ni, nj) == n; };
        int32_t& columnChain = columnChains[static_cast<std::size_t>(j)];
        if (merged && sharesArea(i, j + 1))
          columnChain = 0;
        else
          edges.DrawCellEdge(p, w, h, EdgeAxis::kVertical, columnChain, borders.right);
        if (merged && sharesArea(i + 1, j))
          rowChain = 0;
        else
          edges.DrawCellEdge(p, w, h, EdgeAxis::kHorizontal, rowChain, borders.bottom);
        if (!text.empty()) {
          const CellTextBox box{p, static_cast<double>(mergeColumns) * w, static_cast<double>(mergeRows) * h,
                                charHeight, ColourNumber(font.Color()), TableFontNumber(font.Name()),
                                scale.sx, scale.sy, horizontal, vertical};
          const std::vector<int32_t> notes = WriteCellText(pointArea, text, box);
          drawn.points.insert(drawn.points.end(), notes.begin(), notes.end());
        }
      }
      SetPos(static_cast<int64_t>(i * columns + j + 1));
    }
  }
}

void DrawSheetTableInRect(const workbook::Worksheet& sheet, const workbook::Extent& extent, const TableRules& rules,
                          D_DOT topLeft, D_DOT bottomRight, WorkAreaHandle lineArea, WorkAreaHandle pointArea,
                          DrawnTable& drawn) {
  const TableSize size = NaturalTableSize(sheet, extent, rules.sizingCaption);
  DrawSheetTable(sheet, extent, rules, topLeft, ScaleToRect(size, topLeft, bottomRight), lineArea, pointArea, drawn);
}

}  // namespace zv::sheets
