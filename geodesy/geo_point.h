#pragma once
// One point converted in place between geodetic coordinates (B, L in
// radians, H in metres), earth-centred Cartesian coordinates (X, Y, Z) and
// Gauss-Krueger plane coordinates (x northing, y easting with a false easting
// of 500000 m and no zone number, height carried unchanged). The point does
// not record which meaning its three fields hold: the caller's sequence of
// calls decides. Ellipsoids are passed as (e2, a), see ellipsoid.h.

#include <cstdint>

class CGeoPoint {
 public:
  // SetCoords/GetCoords formats.
  static constexpr int32_t kPackedDms = 0x10000;  // x, y as packed ddd.mmss angles
  static constexpr int32_t kAsStored = 0x40000;   // all three as stored

  CGeoPoint() = default;
  virtual ~CGeoPoint() = default;

  void Set(double x, double y, double z);

  // kPackedDms: x and y are packed angles, stored as radians; any other
  // format stores x and y as given. z is always stored as given.
  void SetCoords(double x, double y, double z, int32_t format);

  // kPackedDms: x and y as packed angles, z as stored; kAsStored: all three
  // as stored. Each value is rounded through "%.15lf" text, as every caller's
  // pipeline expects. Any other format leaves the outputs untouched.
  void GetCoords(double* x, double* y, double* z, int32_t format) const;

  double X() const { return x_; }
  double Y() const { return y_; }
  double Z() const { return z_; }

  // B, L, H -> X, Y, Z.
  void BlhToXyz(double e2, double a);
  // X, Y, Z -> B, L, H. Longitude from the full-quadrant arctangent, latitude
  // signed (south of the equator negative).
  void XyzToBlh(double e2, double a);

  // B, L -> plane x, y for the central meridian l0 (radians); z untouched.
  void GaussForward(double e2, double a, double l0);
  // Plane x, y -> B, L for the central meridian l0 (radians); z untouched.
  void GaussInverse(double e2, double a, double l0);

  // Central meridian, in whole degrees, of the 3-degree zone that holds L
  // (a point exactly 1.5° past a multiple of 3 goes east); -1.0 for a
  // negative, undefined or beyond-360° longitude, which the caller reports
  // ("数据错误").
  double ThreeDegreeZoneMeridian() const;

  // Bursa transformation of X, Y, Z by dx, dy, dz (metres), rx, ry, rz
  // (radians, small-angle rotations) and m (scale difference).
  void ApplySevenParameters(const double* p);

 private:
  double x_ = 0.0;
  double y_ = 0.0;
  double z_ = 0.0;
};

// The earth-centred coordinates of a plane point (x, y, height h) of the
// central meridian l0 (packed ddd.mmss): back through the inverse
// projection, the packed round trip of its B and L, then BlhToXyz, as the
// coordinate dialogs read plane points.
CGeoPoint PlaneToCartesian(double x, double y, double h, double l0, double e2, double a);

// Footpoint latitude (radians) of the meridian arc length x (metres).
double FootpointLatitude(double e2, double a, double x);
