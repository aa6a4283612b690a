#include "platform/tin/tin.h"

#include <libqhull_r/qhull_ra.h>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <limits>

namespace zv::tin {
namespace {

constexpr int64_t kMaxPoints = std::numeric_limits<int>::max() / 4;

// Keeps the first point of each x, y and the points with finite
// coordinates, in their order.
void DropRepeats(std::vector<TinPoint>& points, TinBuild& build) {
  const auto finiteEnd = std::remove_if(points.begin(), points.end(), [](const TinPoint& p) {
    return !std::isfinite(p.x) || !std::isfinite(p.y) || !std::isfinite(p.z);
  });
  build.nonFinite = points.end() - finiteEnd;
  points.erase(finiteEnd, points.end());

  std::vector<int64_t> order(points.size());
  for (size_t i = 0; i < order.size(); ++i) order[i] = static_cast<int64_t>(i);
  std::stable_sort(order.begin(), order.end(), [&](int64_t a, int64_t b) {
    return points[a].x != points[b].x ? points[a].x < points[b].x : points[a].y < points[b].y;
  });
  std::vector<char> keep(points.size(), 1);
  for (size_t i = 1; i < order.size(); ++i) {
    const TinPoint& a = points[order[i - 1]];
    const TinPoint& b = points[order[i]];
    if (a.x == b.x && a.y == b.y) keep[order[i]] = 0;
  }
  size_t out = 0;
  for (size_t i = 0; i < points.size(); ++i)
    if (keep[i]) points[out++] = points[i];
  build.duplicates = static_cast<int64_t>(points.size() - out);
  points.resize(out);
}

// True when every point lies on the line through the first point and the
// point farthest from it, within rounding of the points' spread.
bool AllOnOneLine(const std::vector<TinPoint>& points) {
  const TinPoint& a = points.front();
  size_t far = 0;
  double farDist = 0;
  for (size_t i = 1; i < points.size(); ++i) {
    const double d = std::hypot(points[i].x - a.x, points[i].y - a.y);
    if (d > farDist) farDist = d, far = i;
  }
  if (farDist == 0) return true;
  const double dx = points[far].x - a.x, dy = points[far].y - a.y;
  for (const TinPoint& p : points) {
    const double offLine = std::fabs(dx * (p.y - a.y) - dy * (p.x - a.x)) / farDist;
    if (offLine > farDist * 1e-12) return false;
  }
  return true;
}

// Coordinates so far apart that their differences overflow cannot be
// triangulated.
bool SpreadIsFinite(const std::vector<TinPoint>& points) {
  double x0 = points[0].x, x1 = x0, y0 = points[0].y, y1 = y0;
  for (const TinPoint& p : points) {
    x0 = std::min(x0, p.x), x1 = std::max(x1, p.x);
    y0 = std::min(y0, p.y), y1 = std::max(y1, p.y);
  }
  return std::isfinite((x1 - x0) * (y1 - y0)) && std::isfinite(x1 + x0) && std::isfinite(y1 + y0) &&
         std::isfinite(x1 - x0 + y1 - y0);
}

double TwiceArea(const TinPoint& a, const TinPoint& b, const TinPoint& c) {
  return (b.x - a.x) * (c.y - a.y) - (b.y - a.y) * (c.x - a.x);
}

// The Delaunay triangles of the points, centred on their mean so that large
// map coordinates keep their precision inside the triangulation.
bool Triangulate(const std::vector<TinPoint>& points, std::vector<Triangle>& triangles, std::string& error) {
  // A running mean: a plain sum of many large coordinates could overflow.
  double mx = 0, my = 0, n = 0;
  for (const TinPoint& p : points) {
    ++n;
    mx += (p.x - mx) / n;
    my += (p.y - my) / n;
  }
  std::vector<coordT> coords(points.size() * 2);
  for (size_t i = 0; i < points.size(); ++i) {
    coords[2 * i] = points[i].x - mx;
    coords[2 * i + 1] = points[i].y - my;
  }

  char* messages = nullptr;
  size_t messageSize = 0;
  FILE* errors = open_memstream(&messages, &messageSize);
  qhT context;
  qhT* qh = &context;
  qh_zero(qh, errors);
  char command[] = "qhull d Qt Qbb Qc Qz Q12";
  const int status = qh_new_qhull(qh, 2, static_cast<int>(points.size()), coords.data(), False, command, nullptr,
                                  errors);
  if (status == 0) {
    facetT* facet;
    vertexT *vertex, **vertexp;
    FORALLfacets {
      if (facet->upperdelaunay) continue;
      Triangle t{};
      int n = 0;
      FOREACHvertex_(facet->vertices) {
        if (n < 3) t[n] = qh_pointid(qh, vertex->point);
        ++n;
      }
      if (n != 3) continue;
      const double area = TwiceArea(points[t[0]], points[t[1]], points[t[2]]);
      if (area == 0) continue;
      if (area < 0) std::swap(t[1], t[2]);
      triangles.push_back(t);
    }
  }
  qh_freeqhull(qh, !qh_ALL);
  int curlong = 0, totlong = 0;
  qh_memfreeshort(qh, &curlong, &totlong);
  std::fclose(errors);
  if (status != 0 || triangles.empty()) {
    error = "无法剖分三角网";
    if (messages && messageSize > 0) error += std::string("：") + std::string(messages, std::min<size_t>(messageSize, 200));
  }
  std::free(messages);
  return error.empty();
}

}  // namespace

Tin::Tin(std::vector<TinPoint> points, std::vector<Triangle> triangles)
    : points_(std::move(points)), triangles_(std::move(triangles)) {
  if (points_.empty()) return;
  extent_ = {points_[0].x, points_[0].y, points_[0].x, points_[0].y};
  zMin_ = zMax_ = points_[0].z;
  for (const TinPoint& p : points_) {
    extent_.xmin = std::min(extent_.xmin, p.x);
    extent_.ymin = std::min(extent_.ymin, p.y);
    extent_.xmax = std::max(extent_.xmax, p.x);
    extent_.ymax = std::max(extent_.ymax, p.y);
    zMin_ = std::min(zMin_, p.z);
    zMax_ = std::max(zMax_, p.z);
  }
}

TinBuild BuildTin(std::vector<TinPoint> points) {
  TinBuild build;
  DropRepeats(points, build);
  if (points.size() < 3) {
    build.error = "不同的高程点少于3个，无法构成三角网";
    return build;
  }
  if (static_cast<int64_t>(points.size()) > kMaxPoints) {
    build.error = "高程点太多，无法构成三角网";
    return build;
  }
  if (!SpreadIsFinite(points)) {
    build.error = "高程点坐标超出范围，无法构成三角网";
    return build;
  }
  if (AllOnOneLine(points)) {
    build.error = "高程点都在一条直线上，无法构成三角网";
    return build;
  }
  std::vector<Triangle> triangles;
  if (!Triangulate(points, triangles, build.error)) return build;
  build.tin = std::make_shared<const Tin>(std::move(points), std::move(triangles));
  return build;
}

}  // namespace zv::tin
