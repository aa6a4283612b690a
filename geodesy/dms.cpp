#include "geodesy/dms.h"

#include <cmath>

double RadiansToDms(double radians) {
  const double degrees = radians * kDegreesPerRadian;
  const double whole = std::trunc(degrees);
  const double minutes = (degrees - whole) * 60.0;
  const double wholeMinutes = std::trunc(minutes + 1e-9);
  const double seconds = (minutes - wholeMinutes) * 60.0;
  return wholeMinutes * 0.01 + seconds * 0.0001 + whole;
}

double DmsToRadians(double packed) {
  const double whole = std::trunc(packed);
  const double minutes = (packed - whole) * 100.0;
  const double wholeMinutes = std::trunc(minutes + 1e-9);
  const double seconds = (minutes - wholeMinutes) * 100.0;
  return (seconds * 0.0002777777777777778 + wholeMinutes * 0.016666666666666666 + whole) * kRadiansPerDegree;
}
