#include "zavediz/plan/terrain_profile.h"

#include <cmath>
#include <string>
#include <vector>

#include "platform/data/geometry.h"
#include "zavediz/plan/plan_messages.h"

namespace zv::zavediz {
namespace {

constexpr double kNoElevation = 0.0001;

struct ProfilePoint {
  double x = 0.0;
  double y = 0.0;
  bool known = false;  // false for a vertex still waiting for its elevation
};

double OnLine(const ProfilePoint& a, const ProfilePoint& b, double x) {
  return b.y + (b.y - a.y) / (b.x - a.x) * (x - b.x);
}

// The known point nearest before `from` (exclusive) whose distance differs
// from `other`'s; -1 when none. Pass x = NaN to accept any.
long KnownBefore(const std::vector<ProfilePoint>& points, long from, double differentFrom) {
  for (long i = from - 1; i >= 0; --i) {
    const ProfilePoint& p = points[static_cast<size_t>(i)];
    if (p.known && p.x != differentFrom) return i;
  }
  return -1;
}

long KnownAfter(const std::vector<ProfilePoint>& points, long from, double differentFrom) {
  for (size_t i = static_cast<size_t>(from + 1); i < points.size(); ++i) {
    if (points[i].known && points[i].x != differentFrom) return static_cast<long>(i);
  }
  return -1;
}

}  // namespace

bool BuildTerrainProfile(const CPointRecList& crossings, const D_DOT& start, const D_DOT& end, int32_t planScale,
                         int32_t sectionScale, const ContourElevation& elevationOf, CPointRecList& terrain) {
  const double toSection = static_cast<double>(planScale) / sectionScale;
  std::vector<ProfilePoint> points;
  std::vector<D_DOT> chain{start};
  points.reserve(static_cast<size_t>(crossings.GetCount()));
  chain.reserve(static_cast<size_t>(crossings.GetCount()) + 2);

  int elevated = 0;
  double firstElevatedX = 0.0;
  bool distinct = false;
  for (int32_t i = 1; i <= crossings.GetCount(); ++i) {
    int32_t id;
    double x, y, value;
    std::string name;
    crossings.GetAtFull(i, id, x, y, name, value);
    chain.push_back(D_DOT{x, y});
    const double d = value * toSection;
    if (id == 0 && name == "1") {
      points.push_back(ProfilePoint{d, 0.0, false});
      continue;
    }
    const std::optional<double> h = elevationOf(id);
    if (!h) continue;
    const double e = *h * 1000.0 / sectionScale;
    // A NaN or overflowing value would poison every interpolated point.
    if (!std::isfinite(e) || std::fabs(e) < kNoElevation) continue;
    if (elevated++ == 0) firstElevatedX = d;
    distinct = distinct || d != firstElevatedX;
    points.push_back(ProfilePoint{d, e, true});
  }
  if (!distinct) return false;

  // Vertices in walking order continue the slope of the two most recent
  // points; those met before two such points take the line through the
  // nearest points around them once every crossing is known.
  std::vector<long> waiting;
  for (long i = 0; i < static_cast<long>(points.size()); ++i) {
    ProfilePoint& p = points[static_cast<size_t>(i)];
    if (p.known) continue;
    const long b = KnownBefore(points, i, std::nan(""));
    const long a = b < 0 ? -1 : KnownBefore(points, b, points[static_cast<size_t>(b)].x);
    if (a < 0) {
      waiting.push_back(i);
      continue;
    }
    p.y = OnLine(points[static_cast<size_t>(a)], points[static_cast<size_t>(b)], p.x);
    p.known = true;
  }
  for (long i : waiting) {
    long a = KnownBefore(points, i, std::nan(""));
    long b = a < 0 ? KnownAfter(points, i, std::nan("")) : KnownAfter(points, i, points[static_cast<size_t>(a)].x);
    if (a < 0) {
      a = b;
      b = KnownAfter(points, a, points[static_cast<size_t>(a)].x);
    }
    ProfilePoint& p = points[static_cast<size_t>(i)];
    p.y = OnLine(points[static_cast<size_t>(a)], points[static_cast<size_t>(b)], p.x);
    p.known = true;
  }

  chain.push_back(end);
  const double length = BasPolylineLength(chain) * toSection;
  const long first = KnownAfter(points, -1, std::nan(""));
  const long second = KnownAfter(points, first, points[static_cast<size_t>(first)].x);
  const long last = KnownBefore(points, static_cast<long>(points.size()), std::nan(""));
  const long beforeLast = KnownBefore(points, last, points[static_cast<size_t>(last)].x);
  const double e0 = OnLine(points[static_cast<size_t>(second)], points[static_cast<size_t>(first)], 0.0);
  const double eN = OnLine(points[static_cast<size_t>(beforeLast)], points[static_cast<size_t>(last)], length);

  terrain.RemoveAll();
  terrain.InsertAt(1, 0, 0.0, e0, "", 0.0);
  for (const ProfilePoint& p : points) terrain.InsertAt(terrain.GetCount() + 1, 0, p.x, p.y, "", 0.0);
  terrain.InsertAt(terrain.GetCount() + 1, 0, length, eN, "", 0.0);
  return true;
}

std::optional<double> ElevationAtDistance(const CPointRecList& terrain, double d) {
  const int32_t count = terrain.GetCount();
  int32_t id;
  double x1, y1, xn, yn;
  if (!terrain.GetAt(1, id, x1, y1) || !terrain.GetAt(count, id, xn, yn)) return std::nullopt;
  if (d < x1 || d > xn) return std::nullopt;
  double px = x1, py = y1;
  for (int32_t i = 2; i <= count; ++i) {
    double x, y;
    terrain.GetAt(i, id, x, y);
    if (px <= d && d <= x) return x == px ? py : py + (y - py) * (d - px) / (x - px);
    px = x;
    py = y;
  }
  return py;
}

double ElevationOrOutside(const CPointRecList& terrain, double d, std::string& message) {
  if (const std::optional<double> e = ElevationAtDistance(terrain, d)) return *e;
  message = kOutsideSectionMessage;
  return 0.0;
}

}  // namespace zv::zavediz
