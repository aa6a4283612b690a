#pragma once
// Packed degree-minute-second angles as users type them: degrees in the
// integer part, then two digits of minutes and the seconds with their
// fraction, so that 30°15'20.5" is 30.152050.

// Radians to a packed ddd.mmss value. An angle less than 1e-9 minute short of
// a whole minute (or degree) packs with that minute count (so a hair below a
// whole degree gives deg + 0.60, which DmsToRadians reads as the next degree).
double RadiansToDms(double radians);

// A packed ddd.mmss value to radians.
double DmsToRadians(double packed);

inline constexpr double kDegreesPerRadian = 57.29577951308232;
inline constexpr double kRadiansPerDegree = 0.017453292519943295;
