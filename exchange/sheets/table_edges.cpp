#include "exchange/sheets/table_edges.h"

namespace zv::sheets {

void TableEdges::DrawOuterEdge(D_DOT p, double length, EdgeAxis axis, int32_t& chain, bool drawn) {
  if (!drawn) {
    chain = 0;
    return;
  }
  const D_DOT far = axis == EdgeAxis::kHorizontal ? D_DOT{p.x + length, p.y} : D_DOT{p.x, p.y - length};
  const D_DOT segment[2] = {p, far};
  Grow(segment, 1, chain);
}

void TableEdges::DrawCellEdge(D_DOT p, double w, double h, EdgeAxis axis, int32_t& chain, bool drawn) {
  if (!drawn) {
    chain = 0;
    return;
  }
  const D_DOT corner{p.x + w, p.y - h};
  const D_DOT other = axis == EdgeAxis::kHorizontal ? D_DOT{p.x, p.y - h} : D_DOT{p.x + w, p.y};
  const D_DOT segment[2] = {corner, other};
  Grow(segment, 0, chain);
}

void TableEdges::Grow(const D_DOT (&segment)[2], int grownVertex, int32_t& chain) {
  const LIN_INFO& params = *BasGetDefaultLineParam();
  std::vector<D_DOT> vertices;
  LIN_INFO stored;
  if (chain != 0 && BasReadLine(area_, chain, &vertices, &stored) > 0 && vertices.size() == 2) {
    vertices[static_cast<std::size_t>(grownVertex)] = segment[grownVertex];
    if (BasUpdateLine(area_, chain, vertices, stored) > 0) return;
  }
  chain = BasAppendLine(area_, segment, 2, params);
  if (chain != 0) lines_.push_back(chain);
}

}  // namespace zv::sheets
