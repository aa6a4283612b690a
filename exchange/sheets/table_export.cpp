#include "exchange/sheets/table_export.h"

#include <algorithm>
#include <cmath>
#include <map>
#include <optional>
#include <set>

#include "framework/workbook/cell_put.h"
#include "framework/workbook/object_model.h"
#include "framework/workbook/workbook_data.h"
#include "platform/data/geometry.h"

namespace zv::sheets {
namespace {

constexpr double kScanStep = 4.0;
constexpr double kSameLine = 2.0;   // lines closer than this are one; segments steeper are no table line
constexpr double kEdgeReach = 2.5;  // a line this close to an edge's midpoint draws the edge

struct Rect {
  double x0, y0, x1, y1;
};
Rect Normalised(D_DOT a, D_DOT b) {
  return {std::min(a.x, b.x), std::min(a.y, b.y), std::max(a.x, b.x), std::max(a.y, b.y)};
}

struct Polyline {
  std::vector<D_DOT> v;
  D_RECT box{};
};

// The readable lines of the pool with at least two vertices, read once.
std::vector<Polyline> PoolLines(std::span<const ENTITY_MSG> pool) {
  std::vector<Polyline> lines;
  for (const ENTITY_MSG& entry : pool) {
    if (entry.type != kLineEntity || !BasIsWorkAreaValid(entry.area)) continue;
    Polyline line;
    if (BasReadLine(entry.area, entry.id, &line.v, nullptr) <= 0 || line.v.size() < 2) continue;
    BasVerticesRect(line.v.data(), static_cast<int32_t>(line.v.size()), &line.box);
    lines.push_back(std::move(line));
  }
  return lines;
}

// Adds a position unless one closer than kSameLine is there: the first
// position met stands for its cluster.
void AddLinePosition(std::set<double>& positions, double at) {
  const auto next = positions.upper_bound(at - kSameLine);
  if (next != positions.end() && *next < at + kSameLine) return;
  positions.insert(at);
}

// Row lines (horizontal) or column lines (vertical) that the scans across
// the rectangle cross.
std::vector<double> TableLines(const std::vector<Polyline>& lines, const Rect& r, bool rows) {
  std::set<double> positions;
  const double from = rows ? r.x0 : r.y0, to = rows ? r.x1 : r.y1;
  for (double s = from; s < to; s += kScanStep) {
    const D_DOT start = rows ? D_DOT{s, r.y0} : D_DOT{r.x0, s};
    const D_DOT end = rows ? D_DOT{s, r.y1} : D_DOT{r.x1, s};
    for (const Polyline& line : lines) {
      if (rows ? (line.box.xmax < s || line.box.xmin > s) : (line.box.ymax < s || line.box.ymin > s)) continue;
      for (std::size_t k = 1; k < line.v.size(); ++k) {
        const D_DOT& a = line.v[k - 1];
        const D_DOT& b = line.v[k];
        if (std::fabs(rows ? a.y - b.y : a.x - b.x) >= kSameLine) continue;
        if (BasSegmentIntersection(start, end, a, b, nullptr)) AddLinePosition(positions, rows ? b.y : b.x);
      }
    }
  }
  return {positions.begin(), positions.end()};
}

// The index i with lines[i] < at < lines[i + 1]; none on a line or outside.
std::optional<std::size_t> BandOf(const std::vector<double>& lines, double at) {
  const auto above = std::upper_bound(lines.begin(), lines.end(), at);
  if (above == lines.begin() || above == lines.end() || *(above - 1) == at) return std::nullopt;
  return static_cast<std::size_t>(above - lines.begin() - 1);
}

void Join(std::string& into, const std::string& text) {
  into = into.empty() ? text : into + "\n" + text;
}

// Indexes [first, last) of the sorted positions within [low, high].
std::pair<std::size_t, std::size_t> Within(const std::vector<double>& sorted, double low, double high) {
  return {static_cast<std::size_t>(std::lower_bound(sorted.begin(), sorted.end(), low) - sorted.begin()),
          static_cast<std::size_t>(std::upper_bound(sorted.begin(), sorted.end(), high) - sorted.begin())};
}

}  // namespace

bool ExportablePool(std::span<const ENTITY_MSG> pool) { return !pool.empty() && BasIsWorkAreaValid(pool[0].area); }

SheetTable TableFromLines(std::span<const ENTITY_MSG> pool, D_DOT corner, D_DOT opposite) {
  const Rect rect = Normalised(corner, opposite);
  const std::vector<Polyline> lines = PoolLines(pool);
  const std::vector<double> ys = TableLines(lines, rect, true);
  const std::vector<double> xs = TableLines(lines, rect, false);
  SheetTable table;
  table.centred = true;
  if (ys.size() < 2 || xs.size() < 2) return table;
  const std::size_t rows = ys.size() - 1, columns = xs.size() - 1;  // grid row 0 is the bottom row

  struct GridCell {
    std::string text;
    bool right = false, bottom = false;
  };
  std::vector<GridCell> grid(rows * columns);
  const auto at = [&](std::size_t g, std::size_t j) -> GridCell& { return grid[g * columns + j]; };

  for (const ENTITY_MSG& entry : pool) {
    if (entry.type != kPointEntity) continue;
    D_DOT p;
    std::string text;
    if (BasReadPoint(entry.area, entry.id, &p, &text, nullptr) <= 0) continue;
    const auto g = BandOf(ys, p.y);
    const auto j = BandOf(xs, p.x);
    if (g && j) Join(at(*g, *j).text, text);
  }

  for (const Polyline& line : lines) {
    const D_RECT& b = line.box;
    const auto distance = [&](double x, double y) {
      return BasPointToLineDistance({x, y}, line.v.data(), static_cast<int32_t>(line.v.size()));
    };
    // Bottom edges: the cells whose bottom line lies near the line's box.
    const auto [gFirst, gLast] = Within(ys, b.ymin - kEdgeReach, b.ymax + kEdgeReach);
    for (std::size_t g = gFirst; g < std::min(gLast, rows); ++g)
      for (std::size_t j = 0; j < columns; ++j) {
        const double mx = (xs[j] + xs[j + 1]) / 2;
        if (mx < b.xmin - kEdgeReach || mx > b.xmax + kEdgeReach) continue;
        if (distance(mx, ys[g]) < kEdgeReach) at(g, j).bottom = true;
      }
    // Right edges: the cells whose right line lies near the line's box.
    const auto [jFirst, jLast] = Within(xs, b.xmin - kEdgeReach, b.xmax + kEdgeReach);
    for (std::size_t j1 = std::max<std::size_t>(jFirst, 1); j1 < jLast; ++j1)
      for (std::size_t g = 0; g < rows; ++g) {
        const double my = (ys[g] + ys[g + 1]) / 2;
        if (my < b.ymin - kEdgeReach || my > b.ymax + kEdgeReach) continue;
        if (distance(xs[j1], my) < kEdgeReach) at(g, j1 - 1).right = true;
      }
  }

  // A cell without the line above it passes its text up; then without the
  // line on its left, left: a block without inner lines gathers its texts
  // in its top-left cell.
  for (std::size_t g = 0; g + 1 < rows; ++g)
    for (std::size_t j = columns; j-- > 0;)
      if (!at(g, j).text.empty() && !at(g + 1, j).bottom) Join(at(g + 1, j).text, at(g, j).text);
  for (std::size_t g = 0; g < rows; ++g)
    for (std::size_t j = columns - 1; j >= 1; --j)
      if (!at(g, j).text.empty() && !at(g, j - 1).right) Join(at(g, j - 1).text, at(g, j).text);

  for (std::size_t g = 0; g < rows; ++g)
    for (std::size_t j = 0; j < columns; ++j) {
      const int r = static_cast<int>(rows - g), c = static_cast<int>(j + 1);
      if (!at(g, j).bottom) table.merges.push_back({{r, c}, {r + 1, c}});
      if (!at(g, j).right) table.merges.push_back({{r, c}, {r, c + 1}});
    }
  for (std::size_t g = 0; g < rows; ++g)
    for (std::size_t j = 0; j < columns; ++j)
      table.cells.push_back({static_cast<int>(rows - g), static_cast<int>(j + 1), at(g, j).text});
  return table;
}

SheetTable TableFromNotes(std::span<const ENTITY_MSG> pool, D_DOT corner, D_DOT opposite) {
  struct Note {
    D_DOT p;
    std::string text;
  };
  std::vector<Note> notes;
  double widths = 0, heights = 0;
  for (const ENTITY_MSG& entry : pool) {
    if (entry.type != kPointEntity) continue;
    Note note;
    PNT_INFO info;
    if (BasReadPoint(entry.area, entry.id, &note.p, &note.text, &info) <= 0 || info.kind() != 0) continue;
    widths += info.charWidth();
    heights += info.charHeight();
    notes.push_back(std::move(note));
  }
  SheetTable table;
  if (notes.empty()) return table;
  const double n = static_cast<double>(notes.size());
  const double cw = 2 * (widths / n), ch = heights / n + 2.0;
  const Rect rect = Normalised(corner, opposite);
  const double width = rect.x1 - rect.x0, height = rect.y1 - rect.y0;
  // Bands of zero-width notes: the rectangle is one column.
  const double columns = cw > 0 ? std::trunc(width / cw) + 1 : 1;
  const double rows = std::trunc(height / ch) + 1;
  const double w = width / columns, h = height / rows;
  const auto band = [](double from, double step, double count, double at) -> std::optional<double> {
    if (!(step > 0)) return std::nullopt;
    const double k = std::floor((at - from) / step);
    if (k < 0 || k >= count || !(from + k * step < at && at < from + (k + 1) * step)) return std::nullopt;
    return k;
  };
  // Cells by column band, then by row band from the top; band numbers are
  // kept as they are, only their order matters once empty ones are dropped.
  std::map<double, std::map<double, std::string>> used;
  for (const Note& note : notes) {
    const auto c = band(rect.x0, w, columns, note.p.x);
    const auto r = band(rect.y0, h, rows, note.p.y);
    if (c && r) used[*c][-*r] = note.text;
  }
  std::map<double, int> sheetRows;
  for (const auto& [c, cells] : used)
    for (const auto& [r, text] : cells) sheetRows.emplace(r, 0);
  int next = 0;
  for (auto& [r, sheetRow] : sheetRows) sheetRow = ++next;
  int sheetColumn = 0;
  for (const auto& [c, cells] : used) {
    ++sheetColumn;
    for (const auto& [r, text] : cells) table.cells.push_back({sheetRows[r], sheetColumn, text});
  }
  return table;
}

void WriteSheetTable(const workbook::Worksheet& sheet, const SheetTable& table) {
  for (const workbook::CellRect& pair : table.merges) sheet.Range(workbook::RangeReference(pair)).Merge();
  sheet.Select();
  const workbook::Range cells = sheet.Cells();
  for (const SheetTable::Cell& cell : table.cells) workbook::PutCellText(cells.Item(cell.row, cell.column), cell.text);
  if (table.centred && !table.cells.empty()) {
    const workbook::Range used = sheet.UsedRange();
    used.SetHorizontalAlignment(workbook::align::kCenter);
    used.SetVerticalAlignment(workbook::align::kCenter);
  }
}

}  // namespace zv::sheets
