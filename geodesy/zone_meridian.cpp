#include "geodesy/zone_meridian.h"

#include <cmath>
#include <optional>

#include "framework/text/numbers.h"

namespace zv::geodesy {
namespace {

// Degrees, about 0.1 mm on the ground: 115.5° reached through radians comes
// back as 115.49999999999999°, and must still go east.
constexpr double kZoneBoundaryTolerance = 1e-9;

}  // namespace

double ThreeDegreeZoneMeridianOf(double degrees) {
  if (!(degrees >= 0.0 && degrees < 360.0)) return -1.0;
  const double whole = std::trunc(degrees);
  const long wholeDegrees = static_cast<long>(whole);
  const long zone = wholeDegrees / 3;
  const double past = degrees - whole + static_cast<double>(wholeDegrees % 3);
  return 3.0 * static_cast<double>(past >= 1.5 - kZoneBoundaryTolerance ? zone + 1 : zone);
}

double ZoneCentralMeridian(std::string_view text) {
  const std::optional<double> packed = num::ParseTypedReal(text);
  if (!packed || !std::isfinite(*packed) || *packed < 0.0) return -1.0;
  // Split arithmetically: the last four digits are minutes and seconds.
  const double minutesSeconds = std::fmod(*packed, 10000.0);
  const double seconds = std::fmod(minutesSeconds, 100.0);
  const double minutes = (minutesSeconds - seconds) / 100.0;
  const double degrees = (*packed - minutesSeconds) / 10000.0;
  const double meridian = ThreeDegreeZoneMeridianOf(degrees + minutes / 60.0 + seconds / 3600.0);
  return meridian < 0.0 ? -1.0 : meridian * 10000.0;
}

}  // namespace zv::geodesy
