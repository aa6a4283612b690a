#pragma once
// The views' pending snapped point: when the cursor snapping of a view
// takes a snap it stores the exact point and sets the state to
// kSnapWaiting; the next tool that uses the point for a click sets it back
// to kSnapTaken, so a snap is taken once. Program-wide, main thread only.

#include <cstdint>

#include "include/zavediz/records.h"

constexpr int16_t kSnapWaiting = -100;
constexpr int16_t kSnapTaken = 100;

inline D_DOT SnappedPoint{};
inline int16_t SnapState = kSnapTaken;

// The waiting snapped point, marked taken; false (nothing written) when none
// waits.
inline bool TakeSnappedPoint(D_DOT* out) {
  if (SnapState != kSnapWaiting) return false;
  *out = SnappedPoint;
  SnapState = kSnapTaken;
  return true;
}
