#include "panels/core/sample_grid.h"

#include <algorithm>
#include <cmath>

namespace zv::panels {

std::optional<GridGeometry> LayoutGrid(const GridSpec& spec, int clientWidth, int clientHeight, int count) {
  GridGeometry g;
  g.columns = clientWidth / spec.cellWidth;
  if (g.columns < 1) return std::nullopt;
  g.rows = std::max(0, count) / g.columns + spec.extraRows;
  g.visible = clientHeight / spec.cellHeight - 1;
  g.originY = static_cast<double>(spec.cellHeight) * g.rows - clientHeight;
  g.scrollMax = std::max(0, g.rows - g.visible);
  return g;
}

double RowTop(const GridSpec& spec, const GridGeometry& grid, int row) {
  return static_cast<double>(spec.cellHeight) * (grid.rows - row) - spec.topDrop;
}

int ScrollPosition(ScrollAction action, int position, int track, const GridGeometry& grid) {
  int next = position;
  switch (action) {
    case ScrollAction::kLineUp: next = position - 1; break;
    case ScrollAction::kLineDown: next = position + 1; break;
    case ScrollAction::kPageUp: next = position - grid.visible; break;
    case ScrollAction::kPageDown: next = position + grid.visible; break;
    case ScrollAction::kThumb: next = track; break;
    case ScrollAction::kTop: next = 0; break;
    case ScrollAction::kBottom: next = grid.scrollMax; break;
  }
  return std::clamp(next, 0, grid.scrollMax);
}

int WheelPosition(int delta, int position, const GridGeometry& grid) {
  if (delta == 0) return position;
  return ScrollPosition(delta > 0 ? ScrollAction::kLineUp : ScrollAction::kLineDown, position, 0, grid);
}

CellRect CellAt(const GridSpec& spec, int x, int y) {
  const int cx = static_cast<int>(std::floor(static_cast<double>(x) / spec.cellWidth)) * spec.cellWidth;
  const int cy = static_cast<int>(std::floor(static_cast<double>(y) / spec.cellHeight)) * spec.cellHeight;
  return {cx, cy, cx + spec.cellWidth - spec.rectInset, cy + spec.cellHeight - spec.rectInset};
}

CellPlace PlaceOf(const GridGeometry& grid, int index) {
  return {index % grid.columns, index / grid.columns};
}

std::array<D_DOT, 2> LineSampleAt(int c, double top) {
  return {{{45.0 * c + 5, top - 22.5}, {45.0 * c + 40, top - 22.5}}};
}

std::array<D_DOT, 5> PatternOutlineAt(int c, double top) {
  const double x = 45.0 * c + 2;
  return {{{x, top - 43}, {x + 41, top - 43}, {x + 41, top - 2}, {x, top - 2}, {x, top - 43}}};
}

D_DOT SubgraphSampleAt(int c, double top) { return {45.0 * c + 22.5, top - 22.5}; }

std::array<D_DOT, 5> SwatchOutlineAt(int c, double top) {
  const double x = 18.0 * c;
  return {{{x + 1, top - 18}, {x + 17, top - 18}, {x + 17, top}, {x + 1, top}, {x + 1, top - 18}}};
}

}  // namespace zv::panels
