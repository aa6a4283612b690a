#include "geodesy/geo_point.h"

#include <cmath>

#include "framework/text/numbers.h"
#include "geodesy/dms.h"
#include "geodesy/zone_meridian.h"

namespace {

// The callers' pipelines round every value they take out of a point to what
// "%.15lf" keeps.
double RoundThroughText(double value) { return zv::num::ParseDouble(zv::num::Format("%.15lf", value)); }

// 0.0001 arc-second, the convergence limit of the latitude iteration.
const double kLatitudeTolerance = std::tan(4.84813681109536e-10);
constexpr int kMaxLatitudeRounds = 100000;

}  // namespace

void CGeoPoint::Set(double x, double y, double z) {
  x_ = x;
  y_ = y;
  z_ = z;
}

void CGeoPoint::SetCoords(double x, double y, double z, int32_t format) {
  if (format == kPackedDms) {
    x_ = DmsToRadians(x);
    y_ = DmsToRadians(y);
  } else {
    x_ = x;
    y_ = y;
  }
  z_ = z;
}

void CGeoPoint::GetCoords(double* x, double* y, double* z, int32_t format) const {
  double outX = 0.0;
  double outY = 0.0;
  if (format == kPackedDms) {
    outX = RadiansToDms(x_);
    outY = RadiansToDms(y_);
  } else if (format == kAsStored) {
    outX = x_;
    outY = y_;
  } else {
    return;
  }
  *x = RoundThroughText(outX);
  *y = RoundThroughText(outY);
  *z = RoundThroughText(z_);
}

void CGeoPoint::BlhToXyz(double e2, double a) {
  const double b = x_, l = y_, h = z_;
  const double sinB = std::sin(b);
  const double n = a / std::sqrt(1.0 - e2 * sinB * sinB);
  x_ = (n + h) * std::cos(b) * std::cos(l);
  y_ = (n + h) * std::cos(b) * std::sin(l);
  z_ = (n * (1.0 - e2) + h) * sinB;
}

void CGeoPoint::XyzToBlh(double e2, double a) {
  const double bigX = x_, bigY = y_, bigZ = z_;
  const double p = std::hypot(bigX, bigY);
  const double l = std::atan2(bigY, bigX);
  if (p == 0.0) {
    // On the axis the latitude iteration divides by zero: the point is a pole
    // (or the centre, taken as the north pole).
    const double b = bigZ < 0.0 ? -M_PI_2 : M_PI_2;
    x_ = b;
    y_ = l;
    z_ = std::fabs(bigZ) - a * std::sqrt(1.0 - e2);
    return;
  }
  const double k = e2 / (1.0 - e2) + 1.0;
  const double c = std::sqrt(k) * a * e2;
  double t = bigZ / p;
  for (int round = 0; round < kMaxLatitudeRounds; ++round) {
    const double next = t * c / (p * std::sqrt(t * t + k)) + bigZ / p;
    const bool done = std::fabs(next - t) <= kLatitudeTolerance;
    t = next;
    if (done) break;
  }
  const double b = std::atan(t);
  const double sinB = std::sin(b);
  const double n = a / std::sqrt(1.0 - e2 * sinB * sinB);
  x_ = b;
  y_ = l;
  z_ = p / std::cos(b) - n;
}

double CGeoPoint::ThreeDegreeZoneMeridian() const {
  return zv::geodesy::ThreeDegreeZoneMeridianOf(y_ * kDegreesPerRadian);
}

CGeoPoint PlaneToCartesian(double x, double y, double h, double l0, double e2, double a) {
  CGeoPoint p;
  p.SetCoords(x, y, h, CGeoPoint::kAsStored);
  p.GaussInverse(e2, a, DmsToRadians(l0));
  double b = 0, l = 0, z = 0;
  p.GetCoords(&b, &l, &z, CGeoPoint::kPackedDms);
  p.SetCoords(b, l, z, CGeoPoint::kPackedDms);
  p.BlhToXyz(e2, a);
  return p;
}

void CGeoPoint::ApplySevenParameters(const double* p) {
  const double dx = p[0], dy = p[1], dz = p[2];
  const double rx = p[3], ry = p[4], rz = p[5], m = p[6];
  const double bigX = x_, bigY = y_, bigZ = z_;
  x_ = (bigX + rz * bigY - ry * bigZ) * (1.0 + m) + dx;
  y_ = (rx * bigZ - rz * bigX + bigY) * (1.0 + m) + dy;
  z_ = (ry * bigX - rx * bigY + bigZ) * (1.0 + m) + dz;
}
