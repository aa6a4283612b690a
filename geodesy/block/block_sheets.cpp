#include "geodesy/block/block_sheets.h"

#include <algorithm>
#include <cmath>

#include "geodesy/map_sheet.h"

namespace zv::block {
namespace {

constexpr double kWidth = 900;   // seconds of longitude of a 1:50000 sheet
constexpr double kHeight = 600;  // seconds of latitude
constexpr double kOnLine = 1e-6;

struct Point {
  double x, y;
};

// The area of a ring clipped to a rectangle (Sutherland-Hodgman, exact for
// the convex clip window).
double ClippedArea(const Ring& ring, double x0, double y0, double x1, double y1) {
  std::vector<Point> poly;
  for (const Corner& c : ring) poly.push_back({c.lonSeconds, c.latSeconds});
  auto clip = [&](auto inside, auto cross) {
    std::vector<Point> out;
    for (std::size_t i = 0; i < poly.size(); ++i) {
      const Point& a = poly[i];
      const Point& b = poly[(i + 1) % poly.size()];
      if (inside(b)) {
        if (!inside(a)) out.push_back(cross(a, b));
        out.push_back(b);
      } else if (inside(a)) {
        out.push_back(cross(a, b));
      }
    }
    poly = out;
  };
  auto atX = [](double x) {
    return [x](const Point& a, const Point& b) { return Point{x, a.y + (b.y - a.y) * (x - a.x) / (b.x - a.x)}; };
  };
  auto atY = [](double y) {
    return [y](const Point& a, const Point& b) { return Point{a.x + (b.x - a.x) * (y - a.y) / (b.y - a.y), y}; };
  };
  clip([&](const Point& p) { return p.x >= x0; }, atX(x0));
  clip([&](const Point& p) { return p.x <= x1; }, atX(x1));
  clip([&](const Point& p) { return p.y >= y0; }, atY(y0));
  clip([&](const Point& p) { return p.y <= y1; }, atY(y1));
  double area = 0;
  for (std::size_t i = 0; i < poly.size(); ++i) {
    const Point& a = poly[i];
    const Point& b = poly[(i + 1) % poly.size()];
    area += a.x * b.y - b.x * a.y;
  }
  return std::abs(area) / 2;
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
        if (ring.size() > 2 && ClippedArea(ring, x0, y0, x0 + kWidth, y0 + kHeight) > 1e-6) {
          overlapped.push_back({col, row});
          break;
        }
    }
  std::vector<Cell> order;
  auto add = [&](const Cell& cell) {
    if (std::find(order.begin(), order.end(), cell) == order.end()) order.push_back(cell);
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
