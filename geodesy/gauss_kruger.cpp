// Gauss-Krueger projection by the classical series in the longitude
// difference l and the easting y', accurate to a fraction of a millimetre
// within 3° of the central meridian at the latitudes of China.

#include <cmath>

#include "geodesy/geo_point.h"

namespace {

constexpr double kFalseEasting = 500000.0;

// Meridian arc length from the equator to latitude b.
double MeridianArc(double e2, double a, double b) {
  const double m0 = a * (1.0 - e2);
  const double m2 = 1.5 * e2 * m0;
  const double m4 = 1.25 * e2 * m2;
  const double m6 = 1.1666666666666665 * e2 * m4;
  const double m8 = 1.125 * e2 * m6;
  const double a0 = m0 + m2 / 2.0 + 0.375 * m4 + 0.3125 * m6 + 0.2734375 * m8;
  const double a2 = (m2 + m4) / 2.0 + 0.46875 * m6 + 0.4375 * m8;
  const double a4 = 0.125 * m4 + 0.1875 * m6 + 0.21875 * m8;
  const double a6 = 0.03125 * m6 + 0.0625 * m8;
  const double a8 = 0.0078125 * m8;
  return a0 * b - a2 / 2.0 * std::sin(2.0 * b) + a4 / 4.0 * std::sin(4.0 * b) - a6 / 6.0 * std::sin(6.0 * b) +
         a8 / 8.0 * std::sin(8.0 * b);
}

// Footpoint series coefficients K1..K7 by powers e2^1..e2^7 (row k holds the
// coefficient of s^(2k) in the bracket).
constexpr double kFootpoint[7][7] = {
    {0.375, 0.3515625, 0.341796875, 0.336456298828125, 0.33309173583984375, 0.3307785987854004, 0.3237555921077728},
    {0, -0.328125, -0.7213541666666666, -1.18487548828125, -1.719085693359375, -2.323605537414551, -2.9979400634765625},
    {0, 0, 0.39322916666666663, 1.393310546875, 0.32463989257812503, 7.018446350097657, 15.108466148376465},
    {0, 0, 0, -0.53564453125, -2.6359375000000003, -11.139932250976564, -4.1583498636881515},
    {0, 0, 0, 0, 7.8232421875, 8.895436604817707, 58.94931384495326},
    {0, 0, 0, 0, 0, -2.7758504231770833, -40.53800136021205},
    {0, 0, 0, 0, 0, 0, 10.736816696893602},
};

constexpr double kRectifyingSeries[9] = {1.0,
                                         0.25,
                                         0.109375,
                                         0.05859375,
                                         0.03533935546875,
                                         0.0231170654296875,
                                         0.01605701446533203,
                                         0.011681795120239258,
                                         0.008817221038043499};

// The footpoint series depends on the ellipsoid only; callers project many
// points on one ellipsoid, so the last one's coefficients are kept.
struct FootpointSeries {
  double e2 = -1.0;
  double rectifying = 0.0;  // S of B0 = x / (a / S)
  double k[7] = {};
};

const FootpointSeries& SeriesFor(double e2) {
  thread_local FootpointSeries series;
  if (series.e2 == e2) return series;
  double powers[9];
  powers[0] = 1.0;
  for (int i = 1; i < 9; ++i) powers[i] = std::pow(e2, i);
  series.rectifying = 0.0;
  for (int i = 0; i < 9; ++i) series.rectifying += kRectifyingSeries[i] * powers[i];
  for (int row = 0; row < 7; ++row) {
    series.k[row] = 0.0;
    for (int power = 0; power < 7; ++power) series.k[row] += kFootpoint[row][power] * powers[power + 1];
  }
  series.e2 = e2;
  return series;
}

// The terms of latitude B both series are written in: t = tan B,
// η² = e'² cos² B, W² = 1 - e² sin² B and the prime-vertical radius N = a / W.
struct LatitudeTerms {
  double cosB;
  double t;
  double t2;
  double eta2;
  double w2;
  double n;
};

LatitudeTerms TermsAt(double e2, double a, double b) {
  const double sinB = std::sin(b);
  const double cosB = std::cos(b);
  const double t = std::tan(b);
  const double w2 = 1.0 - e2 * sinB * sinB;
  return {cosB, t, t * t, cosB * cosB * e2 / (1.0 - e2), w2, a / std::sqrt(w2)};
}

}  // namespace

double FootpointLatitude(double e2, double a, double x) {
  const FootpointSeries& series = SeriesFor(e2);
  const double b0 = x / (a / series.rectifying);
  const double sin2 = std::sin(b0) * std::sin(b0);
  double bracket = series.k[6];
  for (int row = 5; row >= 0; --row) bracket = bracket * sin2 + series.k[row];
  return b0 + std::sin(2.0 * b0) * bracket;
}

void CGeoPoint::GaussForward(double e2, double a, double l0) {
  const double b = X();
  const double l = Y() - l0;
  const double arc = MeridianArc(e2, a, b);
  const auto [cosB, t, t2, eta2, w2, n] = TermsAt(e2, a, b);
  const double lc = l * cosB;  // l cos B, the series variable
  const double lc2 = lc * lc;

  const double northing =
      arc + n * t *
                (lc2 * 0.5 + (5.0 - t2 + 9.0 * eta2 + 4.0 * eta2 * eta2) * lc2 * lc2 * 0.041666666666666664 +
                 (61.0 - 58.0 * t2 + t2 * t2) * lc2 * lc2 * lc2 * 0.001388888888888889);
  const double easting =
      n * (lc + (1.0 - t2 + eta2) * lc2 * lc * 0.16666666666666666 +
           (5.0 - 18.0 * t2 + t2 * t2 + 14.0 * eta2 - 58.0 * eta2 * t2) * lc2 * lc2 * lc * 0.008333333333333333) +
      kFalseEasting;
  Set(northing, easting, Z());
}

void CGeoPoint::GaussInverse(double e2, double a, double l0) {
  const double northing = X();
  const double y = Y() - kFalseEasting;
  const double bf = FootpointLatitude(e2, a, northing);
  const auto [cosBf, t, t2, eta2, w2, n] = TermsAt(e2, a, bf);
  const double m = a * (1.0 - e2) / std::sqrt(w2 * w2 * w2);
  const double n3 = n * n * n;
  const double n5 = n3 * n * n;
  const double y2 = y * y;

  const double b = bf - t * y2 / (2.0 * m * n) +
                   t * (3.0 * t2 + eta2 + 5.0 - 9.0 * eta2 * t2) * y2 * y2 / (24.0 * m * n3) -
                   t * (45.0 * t2 * t2 + 90.0 * t2 + 61.0) * y2 * y2 * y2 / (720.0 * m * n5);
  const double l =
      l0 + y / (n * cosBf) - (1.0 + 2.0 * t2 + eta2) * y2 * y / (6.0 * n3 * cosBf) +
      (5.0 + 28.0 * t2 + 24.0 * t2 * t2 + 6.0 * eta2 + 8.0 * eta2 * t2) * y2 * y2 * y / (120.0 * n5 * cosBf);
  Set(b, l, Z());
}
