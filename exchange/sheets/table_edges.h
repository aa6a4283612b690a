#pragma once
// The borders of a drawn table as lines of the view's current line area,
// with the current default line parameters. Collinear edges that follow each
// other grow one line: a chain keeps the id of the line it grows (0: none),
// and an edge that is not drawn ends its chain.
//
// Vertex orders: an outer edge runs from the cell's corner P to the right
// (top edge) or downwards (left edge) and grows by its second vertex; a cell
// edge runs from the cell's bottom-right corner to its bottom-left (bottom
// edge) or its top-right (right edge) and grows by its first vertex.

#include <cstdint>
#include <vector>

#include "platform/data/work_area.h"

namespace zv::sheets {

enum class EdgeAxis { kHorizontal, kVertical };

class TableEdges {
 public:
  // New lines' ids are added to `lines` as they are begun.
  TableEdges(WorkAreaHandle area, std::vector<int32_t>& lines) : area_(area), lines_(lines) {}

  // The top edge of a first-row cell (length w) or the left edge of a
  // first-column cell (length h), from the cell's top-left corner p.
  void DrawOuterEdge(D_DOT p, double length, EdgeAxis axis, int32_t& chain, bool drawn);
  // The bottom or the right edge of the cell w × h at top-left corner p.
  void DrawCellEdge(D_DOT p, double w, double h, EdgeAxis axis, int32_t& chain, bool drawn);

 private:
  void Grow(const D_DOT (&segment)[2], int grownVertex, int32_t& chain);

  WorkAreaHandle area_;
  std::vector<int32_t>& lines_;
};

}  // namespace zv::sheets
