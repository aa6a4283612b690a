#include "views/core/measure_figures.h"

#include <algorithm>
#include <cmath>

#include "platform/data/geometry.h"

namespace zv::views {

MeasureFigures ComputeMeasureFigures(std::span<const D_DOT> points, double scale) {
  MeasureFigures f;
  const std::size_t n = points.size();
  if (n < 2) return f;
  const D_DOT& p1 = points[n - 2];
  const D_DOT& p2 = points[n - 1];
  f.last = BasPointDistance(p1, p2);
  f.total = BasPolylineLength(points.data(), static_cast<int32_t>(n));
  f.lastMetres = f.last * scale * 0.001;
  f.totalMetres = f.total * scale * 0.001;
  if (n >= 3) {
    const D_DOT& p0 = points[n - 3];
    const double a = BasPointDistance(p2, p0);
    const double b = BasPointDistance(p1, p0);
    const double c = f.last;
    if (b > 0.0 && c > 0.0) f.angle = std::acos(std::clamp((c * c + b * b - a * a) / (2 * c * b), -1.0, 1.0)) * kDegreesPerRadian;
  }
  // With x and y exchanged the counter-clockwise angle from the x axis
  // becomes the clockwise bearing from north.
  f.direction = BasSegmentAngle({p1.y, p1.x}, {p2.y, p2.x}) * kDegreesPerRadian;
  return f;
}

}  // namespace zv::views
