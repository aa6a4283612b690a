#pragma once
// The three reference ellipsoids the program knows. Every geodetic operation
// takes an ellipsoid as the pair (e2, a): first eccentricity squared, then the
// semi-major axis in metres.

#include <array>
#include <string_view>

struct Ellipsoid {
  std::string_view label;  // as the datum dialogs show it
  double a;                // semi-major axis, metres
  double e2;               // first eccentricity squared
};

inline constexpr Ellipsoid kWgs84{"WGS-84", 6378137.0, 0.00669437999013};
inline constexpr Ellipsoid kBeijing54{"BJ54", 6378245.0, 0.006693421622966};  // Krassovsky 1940
inline constexpr Ellipsoid kXian80{"XA80", 6378140.0, 0.006694384999588};     // IAG-75

inline constexpr std::array<Ellipsoid, 3> kEllipsoids{kWgs84, kBeijing54, kXian80};
