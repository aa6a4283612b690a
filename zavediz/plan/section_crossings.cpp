#include "zavediz/plan/section_crossings.h"

#include <algorithm>
#include <cmath>
#include <numbers>
#include <tuple>

#include "common/line_intersection.h"
#include "platform/data/geometry.h"

namespace zv::zavediz {
namespace {

D_DOT Minus(const D_DOT& a, const D_DOT& b) { return D_DOT{a.x - b.x, a.y - b.y}; }
double Cross(const D_DOT& u, const D_DOT& v) { return u.x * v.y - u.y * v.x; }
double Dot(const D_DOT& u, const D_DOT& v) { return u.x * v.x + u.y * v.y; }
bool Same(const D_DOT& a, const D_DOT& b) { return a.x == b.x && a.y == b.y; }
int Sign(double v) { return (v > 0) - (v < 0); }

// Which side of the line a → b the point p lies on; 0 exactly on it.
int Orient(const D_DOT& a, const D_DOT& b, const D_DOT& p) { return Sign(Cross(Minus(b, a), Minus(p, a))); }

// p on the closed segment a–b, p known to be on its carrier line.
bool WithinSegment(const D_DOT& a, const D_DOT& b, const D_DOT& p) {
  return std::min(a.x, b.x) <= p.x && p.x <= std::max(a.x, b.x) && std::min(a.y, b.y) <= p.y &&
         p.y <= std::max(a.y, b.y);
}

bool BoxesMeet(const D_DOT& a, const D_DOT& b, const D_DOT& c, const D_DOT& d) {
  return std::max(a.x, b.x) >= std::min(c.x, d.x) && std::max(c.x, d.x) >= std::min(a.x, b.x) &&
         std::max(a.y, b.y) >= std::min(c.y, d.y) && std::max(c.y, d.y) >= std::min(a.y, b.y);
}

bool InRect(const D_RECT& r, const D_DOT& p) { return r.xmin <= p.x && p.x <= r.xmax && r.ymin <= p.y && p.y <= r.ymax; }

bool SegmentMeetsRect(const D_DOT& a, const D_DOT& b, const D_RECT& r) {
  return std::max(a.x, b.x) >= r.xmin && std::min(a.x, b.x) <= r.xmax && std::max(a.y, b.y) >= r.ymin &&
         std::min(a.y, b.y) <= r.ymax;
}

// Counter-clockwise angle from u to v in [0, 2π).
double TurnFrom(const D_DOT& u, const D_DOT& v) {
  double angle = std::atan2(Cross(u, v), Dot(u, v));
  return angle < 0 ? angle + 2 * std::numbers::pi : angle;
}

bool SameDirection(const D_DOT& u, const D_DOT& v) { return Cross(u, v) == 0 && Dot(u, v) > 0; }

}  // namespace

SectionPath::SectionPath(std::vector<D_DOT> vertices) : vertices_(std::move(vertices)) {
  lengths_.assign(vertices_.size(), 0.0);
  for (size_t i = 1; i < vertices_.size(); ++i) lengths_[i] = lengths_[i - 1] + BasPointDistance(vertices_[i - 1], vertices_[i]);
  if (lengths_.empty()) lengths_.push_back(0.0);
  if (!vertices_.empty()) BasVerticesRect(vertices_.data(), static_cast<int32_t>(vertices_.size()), &extent_);
}

SectionPath::Location SectionPath::Locate(const D_DOT& p) const {
  if (!InRect(extent_, p)) return {};
  for (int i = 1; i <= SegmentCount(); ++i) {
    const D_DOT& a = vertices_[static_cast<size_t>(i - 1)];
    const D_DOT& b = vertices_[static_cast<size_t>(i)];
    if (Same(a, b)) continue;
    if (Same(p, a)) return {i == 1 ? 1 : i - 1, i - 1, LengthTo(i - 1)};
    if (Same(p, b)) return {i, i, LengthTo(i)};
    if (Orient(a, b, p) == 0 && WithinSegment(a, b, p)) return {i, -1, LengthTo(i - 1) + BasPointDistance(a, p)};
  }
  return {};
}

bool SectionPath::IsEnd(const Location& at) const { return at.vertex == 0 || at.vertex == SegmentCount(); }

int SectionPath::SideOf(const Location& at, const D_DOT& d) const {
  const int m = SegmentCount();
  if (at.vertex > 0 && at.vertex < m) {
    const D_DOT& v = vertices_[static_cast<size_t>(at.vertex)];
    const D_DOT forward = Minus(vertices_[static_cast<size_t>(at.vertex + 1)], v);
    const D_DOT back = Minus(vertices_[static_cast<size_t>(at.vertex - 1)], v);
    if (SameDirection(forward, d) || SameDirection(back, d)) return 0;
    // Left of the line is the wedge swept counter-clockwise from the way on
    // to the way back.
    return TurnFrom(forward, d) < TurnFrom(forward, back) ? 1 : -1;
  }
  const int segment = at.vertex == 0 ? 1 : at.segment;
  const D_DOT along = Minus(vertices_[static_cast<size_t>(segment)], vertices_[static_cast<size_t>(segment - 1)]);
  return Sign(Cross(along, d));
}

bool SectionPath::ShareSegment(const D_DOT& a, const D_DOT& b) const {
  for (int i = 1; i <= SegmentCount(); ++i) {
    const D_DOT& s = vertices_[static_cast<size_t>(i - 1)];
    const D_DOT& e = vertices_[static_cast<size_t>(i)];
    if (Orient(s, e, a) == 0 && Orient(s, e, b) == 0 && WithinSegment(s, e, a) && WithinSegment(s, e, b)) return true;
  }
  return false;
}

namespace {

// A contour passing through the line at its own vertices: each run of
// consecutive vertices on the line (joined along the line) is one contact.
void FindVertexPassages(const SectionPath& path, int32_t lineId, const std::vector<D_DOT>& contour, bool closed,
                        std::vector<Crossing>& out) {
  const int n = static_cast<int>(contour.size()) - (closed ? 1 : 0);
  std::vector<SectionPath::Location> at(static_cast<size_t>(n));
  bool any = false;
  for (int k = 0; k < n; ++k) {
    at[static_cast<size_t>(k)] = path.Locate(contour[static_cast<size_t>(k)]);
    any = any || at[static_cast<size_t>(k)].segment != 0;
  }
  if (!any) return;

  auto on = [&](int k) { return at[static_cast<size_t>(k)].segment != 0; };
  auto point = [&](int k) -> const D_DOT& { return contour[static_cast<size_t>(k)]; };
  auto wrap = [&](int k) { return closed ? (k % n + n) % n : k; };
  auto joined = [&](int k, int next) { return on(k) && on(next) && path.ShareSegment(point(k), point(next)); };

  // A closed contour is walked from a vertex off the line, so no run wraps.
  int first = 0;
  if (closed) {
    while (first < n && on(first)) ++first;
    if (first == n) return;
  }
  for (int step = 0; step < n; ++step) {
    const int k = wrap(first + step);
    if (!on(k)) continue;
    const int before = closed ? wrap(k - 1) : k - 1;
    if (before >= 0 && joined(before, k)) continue;  // inside a run met already
    int last = k;
    int length = 1;
    while (length < n) {
      const int next = closed ? wrap(last + 1) : last + 1;
      if (next >= n || !joined(last, next)) break;
      last = next;
      ++length;
    }
    const int after = closed ? wrap(last + 1) : last + 1;
    if (before < 0 || after >= n) continue;  // an open contour ending on the line
    const int sideIn = path.SideOf(at[static_cast<size_t>(k)], Minus(point(before), point(k)));
    const int sideOut = path.SideOf(at[static_cast<size_t>(last)], Minus(point(after), point(last)));
    if (sideIn * sideOut >= 0) continue;
    int nearest = k;
    for (int j = k, left = length; left > 0; j = wrap(j + 1), --left) {
      if (at[static_cast<size_t>(j)].distance < at[static_cast<size_t>(nearest)].distance) nearest = j;
    }
    const SectionPath::Location& where = at[static_cast<size_t>(nearest)];
    if (path.IsEnd(where)) continue;
    out.push_back(Crossing{lineId, point(nearest), where.distance, where.segment, nearest});
  }
}

}  // namespace

void FindContourCrossings(const SectionPath& path, int32_t lineId, const std::vector<D_DOT>& contour,
                          std::vector<Crossing>& out) {
  if (contour.size() < 2 || path.SegmentCount() < 1) return;
  const bool closed = contour.size() > 2 && Same(contour.front(), contour.back());
  const std::vector<D_DOT>& v = path.vertices();
  const int m = path.SegmentCount();
  bool touchesLine = false;

  for (size_t k = 1; k < contour.size(); ++k) {
    const D_DOT& c0 = contour[k - 1];
    const D_DOT& c1 = contour[k];
    if (!SegmentMeetsRect(c0, c1, path.Extent())) continue;
    for (int i = 1; i <= m; ++i) {
      const D_DOT& a = v[static_cast<size_t>(i - 1)];
      const D_DOT& b = v[static_cast<size_t>(i)];
      if (Same(a, b) || !BoxesMeet(a, b, c0, c1)) continue;
      const int s0 = Orient(a, b, c0);
      const int s1 = Orient(a, b, c1);
      if (s0 == 0 || s1 == 0) touchesLine = true;
      if (s0 * s1 >= 0) continue;
      const int sa = Orient(c0, c1, a);
      const int sb = Orient(c0, c1, b);
      if (sa * sb < 0) {
        const D_DOT at = LineIntersectionPoint(a, b, c0, c1);
        out.push_back(Crossing{lineId, at, path.LengthTo(i - 1) + BasPointDistance(a, at), i, static_cast<int32_t>(k)});
      } else if (sb == 0 && i < m && Dot(Minus(c0, b), Minus(c1, b)) < 0) {
        // Through the interior vertex b, the contour's own ends off the line:
        // judged against both segments meeting there.
        const SectionPath::Location vertex{i, i, path.LengthTo(i)};
        if (path.Locate(c0).segment != 0 || path.Locate(c1).segment != 0) continue;
        if (path.SideOf(vertex, Minus(c0, b)) * path.SideOf(vertex, Minus(c1, b)) < 0)
          out.push_back(Crossing{lineId, b, path.LengthTo(i), i, static_cast<int32_t>(k)});
      }
    }
  }
  if (touchesLine) FindVertexPassages(path, lineId, contour, closed, out);
}

void SortCrossings(std::vector<Crossing>& crossings) {
  std::stable_sort(crossings.begin(), crossings.end(), [](const Crossing& a, const Crossing& b) {
    return std::tie(a.distance, a.segment, a.lineId, a.contourIndex) <
           std::tie(b.distance, b.segment, b.lineId, b.contourIndex);
  });
}

void FillCrossingList(const SectionPath& path, const std::vector<Crossing>& crossings, CPointRecList& list) {
  list.RemoveAll();
  const std::vector<D_DOT>& v = path.vertices();
  size_t next = 0;
  auto append = [&](int32_t id, const D_DOT& at, const char* name, double value) {
    list.InsertAt(list.GetCount() + 1, id, at.x, at.y, name, value);
  };
  // Interior vertex i goes after the crossings of segments 1 .. i at or
  // before its distance.
  for (int i = 1; i < path.SegmentCount(); ++i) {
    const double here = path.LengthTo(i);
    for (; next < crossings.size(); ++next) {
      const Crossing& c = crossings[next];
      if (c.distance > here || (c.distance == here && c.segment > i)) break;
      append(c.lineId, c.at, "0", c.distance);
    }
    append(0, v[static_cast<size_t>(i)], "1", here);
  }
  for (; next < crossings.size(); ++next) append(crossings[next].lineId, crossings[next].at, "0", crossings[next].distance);
}

}  // namespace zv::zavediz
