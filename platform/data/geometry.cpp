#include "platform/data/geometry.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <limits>
#include <utility>
#include <numbers>

namespace zv {

double BasPointDistance(const D_DOT& a, const D_DOT& b) { return std::hypot(b.x - a.x, b.y - a.y); }

double BasCoordDistance(double x1, double y1, double x2, double y2) { return std::hypot(x2 - x1, y2 - y1); }

double BasSegmentAngle(const D_DOT& a, const D_DOT& b) { return BasCoordAngle(a.x, a.y, b.x, b.y); }

double BasLineDirection(const D_DOT& a, const D_DOT& b) {
  const double angle = std::atan2(b.y - a.y, b.x - a.x);
  return angle == -std::numbers::pi ? std::numbers::pi : angle;
}

double BasCoordAngle(double x1, double y1, double x2, double y2) {
  if (x1 == x2 && y1 == y2) return 0.0;
  double angle = std::atan2(y2 - y1, x2 - x1);
  if (angle < 0) angle += 2 * std::numbers::pi;
  return angle >= 2 * std::numbers::pi ? 0.0 : angle;
}

double BasPolylineLength(const D_DOT* vertices, int32_t count) {
  double length = 0;
  for (int32_t i = 1; vertices && i < count; ++i) length += BasPointDistance(vertices[i - 1], vertices[i]);
  return length;
}

double BasPolylineLength(const std::vector<D_DOT>& vertices) {
  return BasPolylineLength(vertices.data(), static_cast<int32_t>(vertices.size()));
}

double BasPointToSegmentDistance(const D_DOT& p, const D_DOT& a, const D_DOT& b) {
  const double dx = b.x - a.x, dy = b.y - a.y;
  const double length2 = dx * dx + dy * dy;
  if (length2 == 0) return BasPointDistance(p, a);
  const double t = std::clamp(((p.x - a.x) * dx + (p.y - a.y) * dy) / length2, 0.0, 1.0);
  return BasPointDistance(p, D_DOT{a.x + t * dx, a.y + t * dy});
}

namespace {
// Twice the signed area of the triangle a, b, c: which side of a–b c lies on.
double Cross(const D_DOT& a, const D_DOT& b, const D_DOT& c) {
  return (b.x - a.x) * (c.y - a.y) - (b.y - a.y) * (c.x - a.x);
}
bool Within(const D_DOT& a, const D_DOT& b, const D_DOT& p) {
  return std::min(a.x, b.x) <= p.x && p.x <= std::max(a.x, b.x) && std::min(a.y, b.y) <= p.y &&
         p.y <= std::max(a.y, b.y);
}
// Whether p lies within `reach` of the box of a-b. Farther off, its distance
// from a-b, far dearer to compute, exceeds half of `reach` whatever the
// rounding.
bool NearBox(const D_DOT& a, const D_DOT& b, const D_DOT& p, double reach) {
  return std::min(a.x, b.x) - reach <= p.x && p.x <= std::max(a.x, b.x) + reach && std::min(a.y, b.y) - reach <= p.y &&
         p.y <= std::max(a.y, b.y) + reach;
}
}  // namespace

int BasSegmentIntersection(const D_DOT& a1, const D_DOT& a2, const D_DOT& b1, const D_DOT& b2, D_DOT* at) {
  const double d1 = Cross(b1, b2, a1), d2 = Cross(b1, b2, a2);
  const double d3 = Cross(a1, a2, b1), d4 = Cross(a1, a2, b2);
  if (((d1 > 0 && d2 < 0) || (d1 < 0 && d2 > 0)) && ((d3 > 0 && d4 < 0) || (d3 < 0 && d4 > 0))) {
    if (at) {
      const double t = d1 / (d1 - d2);
      *at = {a1.x + t * (a2.x - a1.x), a1.y + t * (a2.y - a1.y)};
    }
    return 1;
  }
  // A touch: an end of one segment lying on the other.
  const std::pair<const D_DOT*, bool> ends[] = {{&a1, d1 == 0 && Within(b1, b2, a1)},
                                                {&a2, d2 == 0 && Within(b1, b2, a2)},
                                                {&b1, d3 == 0 && Within(a1, a2, b1)},
                                                {&b2, d4 == 0 && Within(a1, a2, b2)}};
  for (const auto& [end, touches] : ends)
    if (touches) {
      if (at) *at = *end;
      return 1;
    }
  return 0;
}

double BasPointToLineDistance(const D_DOT& p, const D_DOT* vertices, int32_t count) {
  if (!vertices || count < 1) return std::numeric_limits<double>::infinity();
  double nearest = BasPointDistance(p, vertices[0]);
  for (int32_t i = 1; i < count; ++i) nearest = std::min(nearest, BasPointToSegmentDistance(p, vertices[i - 1], vertices[i]));
  return nearest;
}

double BasPolygonArea(const D_DOT* vertices, int32_t count) {
  if (!vertices || count < 3) return 0;
  double twice = 0;
  for (int32_t i = 0, j = count - 1; i < count; j = i++) {
    twice += (vertices[j].x - vertices[0].x) * (vertices[i].y - vertices[0].y) -
             (vertices[i].x - vertices[0].x) * (vertices[j].y - vertices[0].y);
  }
  return twice / 2;
}

int BasPointInPolygon(const D_DOT* vertices, int32_t count, const D_DOT& p) {
  if (!vertices || count < 3) return 0;
  const double tolerance = BasPolygonOnTolerance(vertices, count);
  bool inside = false;
  for (int32_t i = 0, j = count - 1; i < count; j = i++) {
    const D_DOT& a = vertices[j];
    const D_DOT& b = vertices[i];
    if (NearBox(a, b, p, 2 * tolerance) && BasPointToSegmentDistance(p, a, b) <= tolerance) return 2;
    if ((b.y > p.y) != (a.y > p.y) && p.x < (a.x - b.x) * (p.y - b.y) / (a.y - b.y) + b.x) inside = !inside;
  }
  return inside ? 1 : 0;
}

double BasPolygonOnTolerance(const D_DOT* vertices, int32_t count) {
  double scale = 0;
  for (int32_t i = 0; i < count; ++i) scale = std::max({scale, std::abs(vertices[i].x), std::abs(vertices[i].y)});
  return 1e-12 * std::max(scale, 1.0);
}

int BasPointInPolygon(const std::vector<D_DOT>& vertices, const D_DOT& p) {
  return BasPointInPolygon(vertices.data(), static_cast<int32_t>(vertices.size()), p);
}

int BasPointInRect(const D_RECT& rect, const D_DOT& p) {
  return p.x >= rect.xmin && p.x <= rect.xmax && p.y >= rect.ymin && p.y <= rect.ymax ? 1 : 0;
}

bool BasVerticesRect(const D_DOT* vertices, int32_t count, D_RECT* rect) {
  if (!vertices || count <= 0 || !rect) return false;
  D_RECT r{vertices[0].x, vertices[0].y, vertices[0].x, vertices[0].y};
  for (int32_t i = 1; i < count; ++i) {
    r.xmin = std::min(r.xmin, vertices[i].x);
    r.ymin = std::min(r.ymin, vertices[i].y);
    r.xmax = std::max(r.xmax, vertices[i].x);
    r.ymax = std::max(r.ymax, vertices[i].y);
  }
  *rect = r;
  return true;
}

void UniteRect(D_RECT& rect, const D_RECT& other) {
  rect.xmin = std::min(rect.xmin, other.xmin);
  rect.ymin = std::min(rect.ymin, other.ymin);
  rect.xmax = std::max(rect.xmax, other.xmax);
  rect.ymax = std::max(rect.ymax, other.ymax);
}

int BasLineSense(const std::vector<D_DOT>& vertices) {
  const double area = BasPolygonArea(vertices.data(), static_cast<int32_t>(vertices.size()));
  return area > 0 ? 1 : area < 0 ? -1 : 0;
}

namespace {

// Every vertex lies in the rectangle exactly when the vertices' own
// rectangle does.
bool RectHolds(const D_RECT& outer, const D_RECT& inner) {
  return inner.xmin >= outer.xmin && inner.xmax <= outer.xmax && inner.ymin >= outer.ymin && inner.ymax <= outer.ymax;
}

}  // namespace

int BasLineInRect(WorkAreaHandle area, int32_t id, const D_RECT& rect, int option) {
  D_RECT own{};
  return option == 0 && BasGetLineRect(area, id, &own) && RectHolds(rect, own) ? 1 : 0;
}

int BasRegionInRect(WorkAreaHandle area, int32_t id, const D_RECT& rect, int option) {
  std::vector<int32_t> arcs;
  if (option != 0 || !BasReadRegion(area, id, &arcs, nullptr)) return 0;
  bool any = false;
  for (std::size_t i = 1; i < arcs.size(); ++i) {
    if (arcs[i] == 0) continue;
    D_RECT own{};
    if (!BasGetLineRect(area, std::abs(arcs[i]), &own) || !RectHolds(rect, own)) return 0;
    any = true;
  }
  return any ? 1 : 0;
}

int BasPolylineInRect(const D_DOT* vertices, int32_t count, const D_RECT& rect, int option) {
  if (option != 0 || vertices == nullptr || count <= 0) return 0;
  for (int32_t i = 0; i < count; ++i)
    if (!BasPointInRect(rect, vertices[i])) return 0;
  return 1;
}

}  // namespace zv
