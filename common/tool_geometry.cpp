#include "common/tool_geometry.h"

#include <algorithm>
#include <cmath>
#include <string>

#include "framework/text/numbers.h"
#include "platform/data/geometry.h"

namespace {

constexpr double kTwoPi = 6.283185307179586;
constexpr double kDegree = 0.017453292519943295;
constexpr double kDegreesPerRadian = 57.29577951308232;
// Cross products below this share of the squared size count as zero: three
// points on one line, whatever the map's units.
constexpr double kFlatShare = 1e-12;

D_DOT Plus(const D_DOT& a, const D_DOT& b) { return {a.x + b.x, a.y + b.y}; }
D_DOT Minus(const D_DOT& a, const D_DOT& b) { return {a.x - b.x, a.y - b.y}; }
D_DOT Times(const D_DOT& a, double f) { return {a.x * f, a.y * f}; }
double Cross(const D_DOT& a, const D_DOT& b) { return a.x * b.y - a.y * b.x; }
double Length(const D_DOT& a) { return std::hypot(a.x, a.y); }

// True when a, b and c do not span a triangle.
bool Flat(const D_DOT& a, const D_DOT& b, const D_DOT& c) {
  const D_DOT ab = Minus(b, a), ac = Minus(c, a), bc = Minus(c, b);
  const double longest = std::max({Length(ab), Length(ac), Length(bc)});
  return longest == 0 || std::fabs(Cross(ab, ac)) <= kFlatShare * longest * longest;
}

bool Finite(const std::vector<D_DOT>& points) {
  return std::all_of(points.begin(), points.end(), [](const D_DOT& p) { return std::isfinite(p.x) && std::isfinite(p.y); });
}

}  // namespace

namespace {

// Digits beyond the range of a double read as infinity: such a point is as
// unreadable as one without a comma.
std::optional<D_DOT> FinitePoint(const D_DOT& p) {
  if (!std::isfinite(p.x) || !std::isfinite(p.y)) return std::nullopt;
  return p;
}

std::optional<D_DOT> TypedPoint(std::string_view typed, int kind, const D_DOT& last, const D_DOT& cursor) {
  std::string text;
  for (char c : typed)
    if (c != ' ') text += c;
  const std::size_t comma = text.find(',');
  const std::string_view all(text);
  switch (kind) {
    case kTypedXY:
      if (comma == std::string::npos) return std::nullopt;
      return D_DOT{zv::num::ParseDouble(all.substr(0, comma)), zv::num::ParseDouble(all.substr(comma + 1))};
    case kTypedDistanceAngle: {
      if (comma == std::string::npos) return std::nullopt;
      const double d = zv::num::ParseDouble(all.substr(0, comma));
      const double a = zv::num::ParseDouble(all.substr(comma + 1)) * kDegree;
      return D_DOT{last.x + d * std::cos(a), last.y + d * std::sin(a)};
    }
    case kTypedLength: {
      const double l = zv::num::ParseDouble(all);
      const double d = zv::BasPointDistance(last, cursor);
      if (!(d > 0)) return std::nullopt;
      return Plus(last, Times(Minus(cursor, last), l / d));
    }
  }
  return std::nullopt;
}

}  // namespace

std::optional<D_DOT> ParseTypedPoint(std::string_view typed, int kind, const D_DOT& last, const D_DOT& cursor) {
  const std::optional<D_DOT> p = TypedPoint(typed, kind, last, cursor);
  return p ? FinitePoint(*p) : std::nullopt;
}

int32_t SampleArcPoints(double cx, double cy, double r, double start, double end, D_DOT* out, double step) {
  if (end - start < 0) end += kTwoPi;
  const int32_t count = static_cast<int32_t>((end - start) / step) + 2;
  if (!out) return count;
  for (int32_t i = 0; i < count; ++i) {
    const double angle = i == count - 1 ? end : start + i * step;
    out[i] = {cx + r * std::cos(angle), cy + r * std::sin(angle)};
  }
  out[count] = out[count - 1];
  return count;
}

std::vector<D_DOT> ArcPoints(const D_DOT& centre, double r, double start, double end, double step) {
  std::vector<D_DOT> points(static_cast<std::size_t>(SampleArcPoints(centre.x, centre.y, r, start, end, nullptr, step)) + 1);
  SampleArcPoints(centre.x, centre.y, r, start, end, points.data(), step);
  return points;
}

double TriangleCircle(const D_DOT p12[2], D_DOT* p3, bool inscribed) {
  const D_DOT p1 = p12[0], p2 = p12[1], q = *p3;
  if (Flat(p1, p2, q)) return 0;
  if (inscribed) {
    const double a = zv::BasPointDistance(q, p2), b = zv::BasPointDistance(q, p1), c = zv::BasPointDistance(p1, p2);
    const double p = a + b + c, s = p / 2;
    *p3 = {(p1.x * a + p2.x * b + q.x * c) / p, (p1.y * a + p2.y * b + q.y * c) / p};
    return 2 * std::sqrt(std::max(0.0, s * (s - a) * (s - b) * (s - c))) / p;
  }
  const double x1 = p2.x, y1 = p2.y, x2 = p1.x, y2 = p1.y, x3 = q.x, y3 = q.y;
  const double A = (y1 + y2) * (y1 - y2) + (x1 + x2) * (x1 - x2);
  const double B = (y3 + y2) * (y3 - y2) + (x3 + x2) * (x3 - x2);
  const double D = 2 * ((y3 - y1) * (x1 - x2) - (x3 - x1) * (y1 - y2));
  *p3 = {(A * (y3 - y2) - B * (y1 - y2)) / D, (B * (x1 - x2) - A * (x3 - x2)) / D};
  return zv::BasPointDistance(*p3, p1);
}

D_DOT RotateVector(double x, double y, D_DOT* out, double angle, bool clockwise) {
  angle = std::fmod(angle, kTwoPi);
  const double c = std::cos(angle), s = std::sin(angle);
  const D_DOT r = clockwise ? D_DOT{c * x + s * y, c * y - s * x} : D_DOT{c * x - s * y, s * x + c * y};
  if (out) *out = r;
  return r;
}

int32_t EllipsePoints(const D_DOT& f1, const D_DOT& f2, const D_DOT& p, double start, double end, D_DOT* out,
                      double step) {
  if (end - start < 0) end += kTwoPi;
  const double c = zv::BasPointDistance(f1, f2) * 0.5;
  const double a = (zv::BasPointDistance(f1, p) + zv::BasPointDistance(f2, p)) * 0.5;
  const double b2 = a * a - c * c;
  // A point on the focal segment flattens the ellipse to that segment.
  if (!(a > 0) || b2 <= kFlatShare * a * a) return 0;
  const int32_t count = static_cast<int32_t>((end - start) / step) + 2;
  if (!out) return count;
  const double b = std::sqrt(b2);
  const double theta = zv::BasSegmentAngle(f1, f2);
  const double ct = std::cos(theta), st = std::sin(theta);
  const D_DOT o{(f1.x + f2.x) * 0.5, (f1.y + f2.y) * 0.5};
  for (int32_t i = 0; i < count; ++i) {
    const double t = i == count - 1 ? end : start + i * step;
    const double x = a * std::cos(t), y = b * std::sin(t);
    out[i] = {o.x + x * ct - y * st, o.y + x * st + y * ct};
  }
  out[count] = out[0];
  return count;
}

std::vector<D_DOT> EllipseFigure(const D_DOT& f1, const D_DOT& f2, const D_DOT& p) {
  const int32_t count = EllipsePoints(f1, f2, p, 0, kTwoPi, nullptr, kCurveStep);
  if (count == 0) return {};
  std::vector<D_DOT> points(static_cast<std::size_t>(count) + 1);
  EllipsePoints(f1, f2, p, 0, kTwoPi, points.data(), kCurveStep);
  return Finite(points) ? points : std::vector<D_DOT>{};
}

std::vector<D_DOT> TriangleCircleFigure(const D_DOT& a, const D_DOT& b, const D_DOT& c, bool inscribed) {
  const D_DOT ab[2] = {a, b};
  D_DOT centre = c;
  const double r = TriangleCircle(ab, &centre, inscribed);
  if (!(r > 0)) return {};
  std::vector<D_DOT> points = ArcPoints(centre, r, 0, kTwoPi);
  return Finite(points) ? points : std::vector<D_DOT>{};
}

std::vector<D_DOT> CentreArcFigure(const D_DOT& m, const D_DOT& s, const D_DOT& e) {
  const double r = zv::BasPointDistance(m, s);
  if (!(r > 0)) return {};
  return ArcPoints(m, r, zv::BasSegmentAngle(m, s), zv::BasSegmentAngle(m, e));
}

std::vector<D_DOT> ThreePointArcFigure(const D_DOT& a, const D_DOT& b, const D_DOT& d) {
  const D_DOT ab[2] = {a, b};
  D_DOT o = d;
  const double r = TriangleCircle(ab, &o, false);
  if (!(r > 0) || !std::isfinite(r)) return {};
  const double angleA = zv::BasSegmentAngle(o, a), angleB = zv::BasSegmentAngle(o, b), angleD = zv::BasSegmentAngle(o, d);
  auto ccw = [](double from, double to) { return to >= from ? to - from : to - from + kTwoPi; };
  if (ccw(angleA, angleB) < ccw(angleA, angleD)) return ArcPoints(o, r, angleA, angleD);
  // Counter-clockwise from a to d would miss b: take the other arc, sampled
  // from d, and run it from a.
  std::vector<D_DOT> points = ArcPoints(o, r, angleD, angleA);
  points.pop_back();
  std::reverse(points.begin(), points.end());
  points.push_back(points.back());
  return points;
}

std::vector<D_DOT> RectangleFigure(const D_DOT& a, const D_DOT& g) { return {a, {g.x, a.y}, g, {a.x, g.y}, a}; }

std::vector<D_DOT> ParallelogramFigure(const D_DOT& p0, const D_DOT& p1, const D_DOT& g) {
  return {p0, p1, g, Plus(g, Minus(p0, p1)), p0};
}

std::vector<D_DOT> RegularPolygonFigure(const D_DOT& m, const D_DOT& v0, int n) {
  if (n < 3 || !(zv::BasPointDistance(m, v0) > 0)) return {};
  const double step = kTwoPi / n;
  std::vector<D_DOT> points{v0};
  points.reserve(static_cast<std::size_t>(n) + 1);
  for (int i = 1; i < n; ++i) {
    const D_DOT offset = Minus(points.back(), m);
    points.push_back(Plus(m, RotateVector(offset.x, offset.y, nullptr, step, true)));
  }
  points.push_back(v0);
  return points;
}

D_DOT FootPoint(const D_DOT& p1, const D_DOT& p2, const D_DOT& q) {
  const float dx = static_cast<float>(p2.x - p1.x), dy = static_cast<float>(p2.y - p1.y);
  if (dx == 0 && dy == 0) return p1;
  const float t = static_cast<float>(((q.y - p1.y) * dy + (q.x - p1.x) * dx) / (double(dy) * dy + double(dx) * dx));
  return {p1.x + t * double(dx), p1.y + t * double(dy)};
}

void MirrorArrowHead(const D_DOT& p1, const D_DOT& p2, const D_DOT& q, D_DOT out[3]) {
  const D_DOT foot = FootPoint(p1, p2, q);
  out[0] = q;
  out[1] = p2;
  out[2] = {2 * foot.x - q.x, 2 * foot.y - q.y};
}

int16_t FootPosition(const D_DOT& q, const D_DOT& a, const D_DOT& b) {
  // Squares taken directly, so that a right angle compares equal.
  auto squared = [](const D_DOT& u, const D_DOT& v) { return (u.x - v.x) * (u.x - v.x) + (u.y - v.y) * (u.y - v.y); };
  const double qa = squared(q, a), qb = squared(q, b), ab = squared(a, b);
  if (ab == 0) return 2;
  // The angle at a is obtuse when qb² > qa² + ab², at b when qa² > qb² + ab².
  if (qb > qa + ab) return -1;
  if (qa > qb + ab) return 1;
  return 0;
}

std::vector<D_DOT> BracePoints(const D_DOT& a, const D_DOT& b) {
  constexpr double kQuarter = 1.5707963267948966;
  const D_DOT m = Times(Plus(a, b), 0.5);
  auto turn = [&](const D_DOT& v, bool clockwise) { return RotateVector(v.x, v.y, nullptr, kQuarter, clockwise); };
  const D_DOT q1 = Times(Plus(Times(a, 19), b), 0.05);
  const D_DOT q2 = Times(Plus(Times(a, 11), Times(b, 9)), 0.05);
  const D_DOT q3 = Times(Plus(Times(a, 6), Times(b, 4)), 0.1);
  const D_DOT q4 = Times(Plus(Times(Plus(a, b), 4.5), b), 0.1);
  const D_DOT q5 = Times(Plus(Times(b, 19), a), 0.05);
  return {a,
          Plus(q1, turn(Minus(a, q1), false)),
          Plus(q2, turn(Minus(m, q2), true)),
          Plus(m, turn(Minus(q3, m), false)),
          Plus(q4, turn(Minus(m, q4), false)),
          Plus(q5, turn(Minus(b, q5), true)),
          b};
}

D_DOT PerpendicularSnap(const std::vector<D_DOT>& vertices, const D_DOT& p) {
  if (vertices.size() < 2) return p;
  const D_DOT last = vertices.back(), before = vertices[vertices.size() - 2];
  const D_DOT along = Minus(last, before);
  const double length = Length(along);
  if (!(length > 0)) return p;
  const D_DOT normal{-along.y / length, along.x / length};
  const D_DOT w = Minus(p, last);
  return Plus(last, Times(normal, w.x * normal.x + w.y * normal.y));
}

double AzimuthDegrees(const D_DOT& from, const D_DOT& to) {
  const double a = 360 - zv::BasSegmentAngle(from, to) * kDegreesPerRadian;
  return a >= 270 ? a - 270 : a + 90;
}

PolylinePosition PositionAlong(const std::vector<D_DOT>& line, double distance) {
  double sum = 0;
  for (std::size_t j = 0; j + 1 < line.size(); ++j) {
    const double length = zv::BasPointDistance(line[j], line[j + 1]);
    if (sum + length > distance) {
      const double t = length > 0 ? (distance - sum) / length : 0;
      return {j, {line[j].x + (line[j + 1].x - line[j].x) * t, line[j].y + (line[j + 1].y - line[j].y) * t}};
    }
    sum += length;
  }
  if (line.empty()) return {};
  return {line.size() - 1, line.back()};
}
