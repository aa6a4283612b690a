#include "common/segment_tests.h"

#include <cmath>

namespace {
constexpr double kParallelSlope = 0.0001;
constexpr double kParameterTolerance = 1e-8;
}  // namespace

bool SegmentsIntersect(double x1, double y1, double x2, double y2, double x3, double y3, double x4, double y4) {
  if (x1 == x2 && x3 == x4 && x1 == x3) return false;
  if (y1 == y2 && y3 == y4 && y1 == y3) return false;

  // IEEE division on purpose: one vertical segment gives an infinite slope and
  // passes; two vertical or zero-length segments give NaN, which counts as
  // parallel because the comparison below is then false.
  const double s34 = (y3 - y4) / (x3 - x4);
  const double s12 = (y1 - y2) / (x1 - x2);
  if (!(std::fabs(s34 - s12) >= kParallelSlope)) return false;

  const double d1 = (y1 - y3) * x2 + (y2 - y1) * x3 + (y3 - y2) * x1;
  const double d2 = (y4 - y2) * x1 + (y1 - y4) * x2 + (y2 - y1) * x4;
  if (!(d1 * d2 < 0) && !(d1 == 0 && d2 == 0)) return false;

  const double d3 = (y3 - y1) * x4 + (y4 - y3) * x1 + (y1 - y4) * x3;
  const double d4 = (y2 - y4) * x3 + (y4 - y3) * x2 + (y3 - y2) * x4;
  return d3 * d4 < 0 || (d3 == 0 && d4 == 0);
}

bool SegmentsCross(double x1, double y1, double x2, double y2, double x3, double y3, double x4, double y4) {
  if (x1 == x2 && x3 == x4 && x1 == x3) return false;
  if (y1 == y2 && y3 == y4 && y1 == y3) return false;
  const double difference = (y3 - y4) / (x3 - x4) - (y1 - y2) / (x1 - x2);
  if (!(std::fabs(difference) >= kParallelSlope)) return false;
  auto side = [](double ax, double ay, double bx, double by, double px, double py) {
    return (bx - ax) * (py - ay) - (by - ay) * (px - ax);
  };
  if (side(x1, y1, x2, y2, x3, y3) * side(x1, y1, x2, y2, x4, y4) > 0) return false;
  return side(x3, y3, x4, y4, x1, y1) * side(x3, y3, x4, y4, x2, y2) <= 0;
}

uint16_t IntersectSegments(double x1, double y1, double x2, double y2, double x3, double y3, double x4, double y4) {
  const double den = (x2 - x1) * (y4 - y3) - (y2 - y1) * (x4 - x3);
  if (den == 0) return kNoCrossing;
  const double na = (x4 - x3) * (y1 - y3) - (y4 - y3) * (x1 - x3);
  if (na == 0) return kNoCrossing;
  const double ua = na / den;
  const double ub = ((x2 - x1) * (y1 - y3) - (y2 - y1) * (x1 - x3)) / den;
  if (ua < -kParameterTolerance || ub < -kParameterTolerance) return kNoCrossing;
  if (ua < 1) {
    if (std::fabs(ub) < kParameterTolerance) return kCrossingAtStart;
    if (std::fabs(ub - 1) < kParameterTolerance) return kCrossingAtEnd;
  }
  if (ua > 1 || ub > 1) return kNoCrossing;
  return kCrossingInside;
}

namespace {

// Twice the signed area of the triangle p, q, r.
double SignedArea(double px, double py, double qx, double qy, double rx, double ry) {
  return (qx - px) * (ry - py) - (qy - py) * (rx - px);
}

}  // namespace

bool SegmentCrossTest(double a1x, double a1y, double a2x, double a2y, double b1x, double b1y, double b2x,
                      double b2y) {
  if (a1x == b1x || a1x == b2x) return true;
  const double d1 = SignedArea(a1x, a1y, a2x, a2y, b2x, b2y);
  const double d2 = SignedArea(a1x, a1y, a2x, a2y, b1x, b1y);
  if (d1 * d2 >= 0 && !(d1 == 0 && d2 == 0)) return false;
  const double e1 = SignedArea(b1x, b1y, b2x, b2y, a1x, a1y);
  const double e2 = SignedArea(b1x, b1y, b2x, b2y, a2x, a2y);
  if (e1 * e2 < 0) return true;
  if (e2 != 0) return false;
  return e1 == 0;
}

bool SegmentCrossPoint(double a1x, double a1y, double a2x, double a2y, double b1x, double b1y, double b2x,
                       double b2y, double* x, double* y) {
  if (a1x == a2x && (a1x == b1x || a1x == b2x)) {
    *x = a1x == b1x ? b1x : b2x;
    *y = a1x == b1x ? b1y : b2y;
    return true;
  }
  const double den = (a2x - a1x) * (b2y - b1y) - (a2y - a1y) * (b2x - b1x);
  if (den == 0) return false;
  const double t = ((b1x - a1x) * (b2y - b1y) - (b1y - a1y) * (b2x - b1x)) / den;
  *x = a1x + t * (a2x - a1x);
  *y = a1y + t * (a2y - a1y);
  return true;
}
