#include "zavediz/draw/terrain_queries.h"

#include <algorithm>
#include <cmath>

namespace zv::zavediz {
namespace {

constexpr double kVertexTolerance = 0.0001;

double DistanceAt(const CPointRecList& terrain, int32_t position) {
  int32_t id = 0;
  double x = 0.0, y = 0.0;
  terrain.GetAt(position, id, x, y);
  return x;
}

// The first position whose distance is not below x (count + 1 when none).
int32_t LowerBound(const CPointRecList& terrain, double x) {
  int32_t low = 1, high = terrain.GetCount() + 1;
  while (low < high) {
    const int32_t middle = low + (high - low) / 2;
    if (DistanceAt(terrain, middle) < x) {
      low = middle + 1;
    } else {
      high = middle;
    }
  }
  return low;
}

// The elevation at x inside [first, last]; records within `tolerance` of
// x give their own.
double ElevationInside(const CPointRecList& terrain, double x, double tolerance) {
  const int32_t count = terrain.GetCount();
  int32_t i = LowerBound(terrain, x - tolerance);
  if (i <= count) {
    const ProfilePoint p = ProfileAt(terrain, i);
    if (std::fabs(p.x - x) <= tolerance) return p.y;
  }
  i = LowerBound(terrain, x);
  if (i <= 1 || i > count) return 0.0;
  const ProfilePoint a = ProfileAt(terrain, i - 1);
  const ProfilePoint b = ProfileAt(terrain, i);
  if (!(a.x < x && x < b.x)) return 0.0;
  return a.y + (b.y - a.y) * (x - a.x) / (b.x - a.x);
}

}  // namespace

ProfilePoint ProfileAt(const CPointRecList& terrain, int32_t position) {
  ProfilePoint p;
  int32_t id = 0;
  terrain.GetAtWithName(position, id, p.x, p.y, p.name);
  return p;
}

double TerrainTop(const CPointRecList& terrain) { return TerrainExtreme(terrain, 1); }

double TerrainExtreme(const CPointRecList& terrain, int flag) {
  double extreme = 0.0;
  for (int32_t i = 1; i <= terrain.GetCount(); ++i) {
    int32_t id = 0;
    double x = 0.0, y = 0.0;
    terrain.GetAt(i, id, x, y);
    if (i == 1 || (flag == 1 ? y > extreme : y < extreme)) extreme = y;
  }
  return extreme;
}

double TerrainElevationAt(const CPointRecList& terrain, double x, const Tell& tell) {
  const int32_t count = terrain.GetCount();
  if (count == 0 || x < DistanceAt(terrain, 1) || x > DistanceAt(terrain, count)) {
    tell(kOutsideLine1Message);
    return 0.0;
  }
  return ElevationInside(terrain, x, 0.0);
}

double OverburdenBaseAt(const CPointRecList& terrain, double x, double thickness, const Tell& tell) {
  const int32_t count = terrain.GetCount();
  if (count == 0 || x < DistanceAt(terrain, 1) - kVertexTolerance ||
      x > DistanceAt(terrain, count) + kVertexTolerance) {
    tell(kOutsideLine4Message);
    return 0.0;
  }
  return ElevationInside(terrain, x, kVertexTolerance) - thickness;
}

std::vector<D_DOT> CollectOverburdenBase(const CPointRecList& terrain, double thickness, double from, double to,
                                         const Tell& tell) {
  std::vector<D_DOT> base;
  const int32_t count = terrain.GetCount();
  if (count == 0) return base;
  const double first = DistanceAt(terrain, 1), last = DistanceAt(terrain, count);
  if ((from < first || from > last) && std::fabs(from - first) >= kVertexTolerance) {
    tell(kOutsideLine2Message);
    return base;
  }
  if (to < first || to > last) {
    if (to > last && to - last < kVertexTolerance) {
      to = last;
    } else {
      tell(kOutsideLine3Message);
      return base;
    }
  }
  base.push_back(D_DOT{from, OverburdenBaseAt(terrain, from, thickness, tell)});
  for (int32_t i = LowerBound(terrain, from); i <= count; ++i) {
    const ProfilePoint p = ProfileAt(terrain, i);
    if (p.x >= to) break;
    if (p.x > from) base.push_back(D_DOT{p.x, p.y - thickness});
  }
  base.push_back(D_DOT{to, OverburdenBaseAt(terrain, to, thickness, tell)});
  return base;
}

std::optional<ProfileStretch> StretchOnProfile(const CPointRecList& terrain, double a, double b) {
  const int32_t count = terrain.GetCount();
  if (count == 0) return std::nullopt;
  const double first = DistanceAt(terrain, 1), last = DistanceAt(terrain, count);
  const double low = std::min(a, b), high = std::max(a, b);
  if (!(low <= last && high >= first)) return std::nullopt;
  return ProfileStretch{std::max(low, first), std::min(high, last), low < first || high > last};
}

std::vector<double> TerrainCrossings(const CPointRecList& terrain, double e) {
  std::vector<double> crossings;
  const int32_t count = terrain.GetCount();
  if (count == 0 || e < TerrainExtreme(terrain, 0) || e > TerrainExtreme(terrain, 1)) return crossings;
  ProfilePoint a = ProfileAt(terrain, 1);
  for (int32_t i = 2; i <= count; ++i) {
    const ProfilePoint b = ProfileAt(terrain, i);
    if ((a.y < e) != (b.y < e)) crossings.push_back(a.x + (e - a.y) * (b.x - a.x) / (b.y - a.y));
    a = b;
  }
  return crossings;
}

}  // namespace zv::zavediz
