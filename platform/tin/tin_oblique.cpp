#include "platform/tin/tin_oblique.h"

#include <algorithm>
#include <cmath>
#include <numbers>

#include "platform/data/geometry.h"
#include "platform/tin/tin_locate.h"

namespace zv::tin {
namespace {

constexpr double kAzimuth = 225.0;
constexpr double kElevation = 30.0;
constexpr double kDegree = std::numbers::pi / 180.0;

}  // namespace

bool ObliqueGrid::Blank(int row, int column) const { return std::isnan(value[row * n + column]); }

ObliqueGrid ObliqueView(const Tin& tin) {
  ObliqueGrid grid;
  const int n = grid.n;
  const D_RECT& e = tin.extent();
  const double side = std::max(e.xmax - e.xmin, e.ymax - e.ymin);
  const double range = tin.zMax() - tin.zMin();
  const double stretch = range > 0 ? side / 4.0 / range : 0.0;
  // The viewer stands toward the azimuth and looks the opposite way.
  const double look = (kAzimuth + 180.0) * kDegree;
  const double dx = std::sin(look), dy = std::cos(look);  // into the view
  const double rx = dy, ry = -dx;                          // to the right
  const double cx = (e.xmin + e.xmax) / 2, cy = (e.ymin + e.ymax) / 2;
  const TinLocator locator(tin);
  grid.picture.resize(n * n);
  grid.value.resize(n * n);
  grid.depth.resize(n * n);
  for (int r = 0; r < n; ++r)
    for (int c = 0; c < n; ++c) {
      const double x = e.xmin + (e.xmax - e.xmin) * c / (n - 1);
      const double y = e.ymin + (e.ymax - e.ymin) * r / (n - 1);
      const double v = locator.ValueAt(x, y);
      const double lift = std::isnan(v) ? 0.0 : (v - tin.zMin()) * stretch;
      const double depth = (x - cx) * dx + (y - cy) * dy;
      const int i = r * n + c;
      grid.value[i] = v;
      grid.depth[i] = depth;
      grid.picture[i] = {(x - cx) * rx + (y - cy) * ry,
                         depth * std::sin(kElevation * kDegree) + lift * std::cos(kElevation * kDegree)};
    }
  double u0 = INFINITY, v0 = INFINITY;
  for (const D_DOT& p : grid.picture) u0 = std::min(u0, p.x), v0 = std::min(v0, p.y);
  const double left = e.xmax + side / 10.0;
  for (D_DOT& p : grid.picture) p = {p.x - u0 + left, p.y - v0 + e.ymin};
  return grid;
}

std::vector<std::vector<D_DOT>> ObliqueGridLines(const ObliqueGrid& grid) {
  std::vector<std::vector<D_DOT>> lines;
  const auto run = [&](auto node) {
    std::vector<D_DOT> piece;
    for (int k = 0; k <= grid.n; ++k) {
      const bool blank = k == grid.n || node(k).blank;
      if (!blank) piece.push_back(node(k).point);
      if (blank) {
        if (piece.size() >= 2) lines.push_back(piece);
        piece.clear();
      }
    }
  };
  struct Node {
    bool blank;
    D_DOT point;
  };
  for (int r = 0; r < grid.n; ++r)
    run([&](int c) { return c < grid.n ? Node{grid.Blank(r, c), grid.At(r, c)} : Node{true, {}}; });
  for (int c = 0; c < grid.n; ++c)
    run([&](int r) { return r < grid.n ? Node{grid.Blank(r, c), grid.At(r, c)} : Node{true, {}}; });
  return lines;
}

std::vector<ObliqueCell> ObliqueCells(const ObliqueGrid& grid) {
  struct Placed {
    ObliqueCell cell;
    double depth;
  };
  std::vector<Placed> placed;
  for (int r = 0; r + 1 < grid.n; ++r)
    for (int c = 0; c + 1 < grid.n; ++c) {
      const int corners[4][2] = {{r, c}, {r, c + 1}, {r + 1, c + 1}, {r + 1, c}};
      Placed p{};
      bool blank = false;
      for (const auto& [row, column] : corners) {
        blank = blank || grid.Blank(row, column);
        p.cell.ring.push_back(grid.At(row, column));
        p.cell.value += grid.value[row * grid.n + column] / 4;
        p.depth += grid.depth[row * grid.n + column] / 4;
      }
      if (blank) continue;
      if (BasPolygonArea(p.cell.ring.data(), 4) < 0) std::reverse(p.cell.ring.begin(), p.cell.ring.end());
      p.cell.ring.push_back(p.cell.ring.front());
      placed.push_back(std::move(p));
    }
  std::stable_sort(placed.begin(), placed.end(), [](const Placed& a, const Placed& b) { return a.depth > b.depth; });
  std::vector<ObliqueCell> cells;
  cells.reserve(placed.size());
  for (Placed& p : placed) cells.push_back(std::move(p.cell));
  return cells;
}

}  // namespace zv::tin
