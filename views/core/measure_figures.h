#pragma once
// The figures of the distance-and-angle measurement over a polyline of map
// points: the last segment, the whole length, both in metres at a scale, the
// direction of the last segment and the angle at its start. No Qt.
//
// Direction: clockwise from north in degrees, [0, 360) (north 0, east 90).
// Angle: at P[n−2] between the sides to P[n−3] and P[n−1], in degrees; 0
// with fewer than three points or when a side has no length; the cosine is
// held to [−1, 1], so no NaN ever reaches the window.

#include <array>
#include <span>
#include <vector>

#include "include/zavediz/records.h"

namespace zv::views {

struct MeasureFigures {
  double last = 0, total = 0, lastMetres = 0, totalMetres = 0, direction = 0, angle = 0;
  // In the order the measurement window takes them.
  std::array<double, 6> values() const { return {last, total, lastMetres, totalMetres, direction, angle}; }
};

inline constexpr double kDegreesPerRadian = 57.29577951308232;

// A measurement in progress: its points (as many as the user clicks), the
// finished flag set by the right button, a restart asked by a click after
// it, and the rubber band from the last point (window pixels) while shown.
struct MeasurePolyline {
  std::vector<D_DOT> points;
  bool finished = false;
  bool restartPending = false;
  bool bandShown = false;
  int band[4] = {0, 0, 0, 0};  // start x, start y, end x, end y
};

// Needs at least two points (zeros otherwise).
MeasureFigures ComputeMeasureFigures(std::span<const D_DOT> points, double scale);

}  // namespace zv::views
