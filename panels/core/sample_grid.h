#pragma once
// The sample grids of the side pages, in map units of a view shown at scale
// 1.0 (one unit a pixel): cells of 45 × 45 for sub-graphs, line styles and
// patterns, 18 × 20 for colour swatches. Row 0 is the top row; the view's
// window starts on it, and scrolling moves the window a row at a time.

#include <array>
#include <optional>
#include <span>

#include "include/zavediz/records.h"

namespace zv::panels {

struct GridSpec {
  int cellWidth;
  int cellHeight;
  int extraRows;  // rows added beyond those the samples fill
  int topDrop;    // how far below its row's edge a sample's top sits
  int rectInset;  // what the highlight leaves off a cell's right and bottom
};
inline constexpr GridSpec kSymbolGrid{45, 45, 2, 0, 0};
inline constexpr GridSpec kColourGrid{18, 20, 4, 1, 1};

struct GridGeometry {
  int columns = 0;
  int rows = 0;     // total rows R
  int visible = 0;  // rows the view shows, V
  double originX = 0;  // the window's lower-left corner
  double originY = 0;
  int scrollMax = 0;
  friend bool operator==(const GridGeometry&, const GridGeometry&) = default;
};

// The grid of a view of this client size over `count` samples (for the
// colour grid, the library's colour count). None when not one column fits.
// The scroll range is 0 .. max(0, R − V): a page taller than its samples
// does not scroll.
std::optional<GridGeometry> LayoutGrid(const GridSpec& spec, int clientWidth, int clientHeight, int count);

// The top edge of a row in map units.
double RowTop(const GridSpec& spec, const GridGeometry& grid, int row);

enum class ScrollAction { kLineUp, kLineDown, kPageUp, kPageDown, kThumb, kTop, kBottom };
// The new scroll position, clamped to the range; `track` is the thumb's
// position for kThumb.
int ScrollPosition(ScrollAction action, int position, int track, const GridGeometry& grid);
// A wheel turn: a positive delta moves one row up, a negative one down.
int WheelPosition(int delta, int position, const GridGeometry& grid);

// The window-pixel rectangle of the cell under a window point, as the
// highlight draws it: whole 45-pixel cells in the symbol grids, swatches
// 17 × 19 in the colour grid.
struct CellRect {
  int x1, y1, x2, y2;
  friend bool operator==(const CellRect&, const CellRect&) = default;
};
CellRect CellAt(const GridSpec& spec, int x, int y);

// Where the sample of index i (left to right, top to bottom) sits.
struct CellPlace {
  int column;
  int row;
};
CellPlace PlaceOf(const GridGeometry& grid, int index);

// The sample shapes of a cell whose column is c and whose row's top is `top`.
std::array<D_DOT, 2> LineSampleAt(int c, double top);
std::array<D_DOT, 5> PatternOutlineAt(int c, double top);
D_DOT SubgraphSampleAt(int c, double top);
std::array<D_DOT, 5> SwatchOutlineAt(int c, double top);

}  // namespace zv::panels
