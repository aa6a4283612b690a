#include "platform/tin/tin_edges.h"

#include <algorithm>

namespace zv::tin {

std::vector<Neighbours> TriangleNeighbours(const Tin& tin) {
  const auto& triangles = tin.triangles();
  struct HalfEdge {
    int32_t lo, hi, triangle, edge;
  };
  std::vector<HalfEdge> edges;
  edges.reserve(triangles.size() * 3);
  for (size_t t = 0; t < triangles.size(); ++t)
    for (int e = 0; e < 3; ++e) {
      const int32_t a = triangles[t][e], b = triangles[t][(e + 1) % 3];
      edges.push_back({std::min(a, b), std::max(a, b), static_cast<int32_t>(t), e});
    }
  std::sort(edges.begin(), edges.end(),
            [](const HalfEdge& x, const HalfEdge& y) { return x.lo != y.lo ? x.lo < y.lo : x.hi < y.hi; });
  std::vector<Neighbours> result(triangles.size(), Neighbours{-1, -1, -1});
  for (size_t i = 0; i + 1 < edges.size(); ++i) {
    const HalfEdge& x = edges[i];
    const HalfEdge& y = edges[i + 1];
    if (x.lo != y.lo || x.hi != y.hi) continue;
    result[x.triangle][x.edge] = y.triangle;
    result[y.triangle][y.edge] = x.triangle;
    ++i;
  }
  return result;
}

int EdgeToward(const std::vector<Neighbours>& neighbours, int32_t t, int32_t other) {
  for (int e = 0; e < 3; ++e)
    if (neighbours[t][e] == other) return e;
  return -1;
}

}  // namespace zv::tin
