#include "geodesy/block/block_sheets.h"

#include <algorithm>
#include <cmath>
#include <set>
#include <utility>

#include "geodesy/map_sheet.h"

namespace zv::block {
namespace {

constexpr double kWidth = 900;   // seconds of longitude of a 1:50000 sheet
constexpr double kHeight = 600;  // seconds of latitude
constexpr double kOnLine = 1e-6;

struct Point {
  double x, y;
};

// Whether a ring's inside shares area with a rectangle: some edge runs
// through the rectangle's inside, or the rectangle lies wholly within the
// ring. Unlike a signed area this holds for a ring that crosses itself,
// whose two lobes would cancel.
bool Overlaps(const Ring& ring, double x0, double y0, double x1, double y1) {
  const auto inside = [&](double x, double y) {
    return x > x0 + kOnLine && x < x1 - kOnLine && y > y0 + kOnLine && y < y1 - kOnLine;
  };
  const double cx = (x0 + x1) / 2, cy = (y0 + y1) / 2;
  bool centreInside = false;
  for (std::size_t i = 0; i < ring.size(); ++i) {
    const Point a{ring[i].lonSeconds, ring[i].latSeconds};
    const Point b{ring[(i + 1) % ring.size()].lonSeconds, ring[(i + 1) % ring.size()].latSeconds};
    // The edge's part within the rectangle (Liang-Barsky), judged by its midpoint.
    double t0 = 0, t1 = 1;
    const double dx = b.x - a.x, dy = b.y - a.y;
    const double p[4] = {-dx, dx, -dy, dy}, q[4] = {a.x - x0, x1 - a.x, a.y - y0, y1 - a.y};
    bool crosses = true;
    for (int k = 0; k < 4 && crosses; ++k) {
      if (p[k] == 0) {
        crosses = q[k] >= 0;
      } else if (p[k] < 0) {
        t0 = std::max(t0, q[k] / p[k]);
      } else {
        t1 = std::min(t1, q[k] / p[k]);
      }
    }
    const double tm = (t0 + t1) / 2;
    if (crosses && t0 <= t1 && inside(a.x + dx * tm, a.y + dy * tm)) return true;
    if ((a.y > cy) != (b.y > cy) && cx < a.x + (cy - a.y) * dx / dy) centreInside = !centreInside;
  }
  return centreInside;
}

struct Cell {
  long col, row;  // sheet index: seconds / size, west to east and south to north
  bool operator==(const Cell&) const = default;
};

}  // namespace

std::string MillionSheetOf(const std::string& newNumber) { return newNumber.substr(0, 3); }

std::vector<TouchedSheet> TouchedSheets(const std::vector<Ring>& rings) {
  double minX = INFINITY, minY = INFINITY, maxX = -INFINITY, maxY = -INFINITY;
  for (const Ring& r : rings)
    for (const Corner& c : r) {
      minX = std::min(minX, c.lonSeconds);
      maxX = std::max(maxX, c.lonSeconds);
      minY = std::min(minY, c.latSeconds);
      maxY = std::max(maxY, c.latSeconds);
    }
  if (!(minX <= maxX)) return {};
  // Every sheet of the box, rows from the north, each west to east, that
  // the rings overlap.
  std::vector<Cell> overlapped;
  const long c0 = static_cast<long>(std::floor(minX / kWidth)), c1 = static_cast<long>(std::floor(maxX / kWidth));
  const long r0 = static_cast<long>(std::floor(minY / kHeight)), r1 = static_cast<long>(std::floor(maxY / kHeight));
  for (long row = r1; row >= r0; --row)
    for (long col = c0; col <= c1; ++col) {
      const double x0 = col * kWidth, y0 = row * kHeight;
      for (const Ring& ring : rings)
        if (ring.size() > 2 && Overlaps(ring, x0, y0, x0 + kWidth, y0 + kHeight)) {
          overlapped.push_back({col, row});
          break;
        }
    }
  // A block typed a degree off may overlap thousands of sheets: the order
  // is kept with a set, not by searching it.
  std::vector<Cell> order;
  std::set<std::pair<long, long>> ordered;
  auto add = [&](const Cell& cell) {
    if (ordered.insert({cell.col, cell.row}).second) order.push_back(cell);
  };
  for (const Ring& ring : rings)
    for (const Corner& c : ring)
      for (const Cell& cell : overlapped) {
        const double x0 = cell.col * kWidth, y0 = cell.row * kHeight;
        if (c.lonSeconds >= x0 - kOnLine && c.lonSeconds <= x0 + kWidth + kOnLine && c.latSeconds >= y0 - kOnLine &&
            c.latSeconds <= y0 + kHeight + kOnLine)
          add(cell);
      }
  for (const Cell& cell : overlapped) add(cell);

  std::vector<TouchedSheet> sheets;
  for (const Cell& cell : order) {
    const double lon = (cell.col + 0.5) * kWidth / 3600, lat = (cell.row + 0.5) * kHeight / 3600;
    sheets.push_back({CMapSheet::NewSheetNumber(lon, lat, 50000), CMapSheet::OldSheetNumber(lon, lat, 50000)});
  }
  return sheets;
}

}  // namespace zv::block
