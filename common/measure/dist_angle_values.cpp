#include "common/measure/dist_angle_values.h"

namespace zv {

namespace {
constexpr double kMetresPerMillimetre = 0.001;
}

void UpdateRealLengths(DistAngleValues& v) {
  v.realDistance = static_cast<double>(v.scale) * v.mapDistance * kMetresPerMillimetre;
  v.realTotal = static_cast<double>(v.scale) * v.totalLength * kMetresPerMillimetre;
}

bool RelativeFromLine(double a, double& relative) {
  if (a >= -270 && a <= 360) {
    relative = 90 - a;
    return true;
  }
  if (a > -360 && a < -270) {
    relative = -270 - a;
    return true;
  }
  return false;
}

double FoldAngle(double angle) {
  while (angle > 360) angle -= 360;
  while (angle < -360) angle += 360;
  return angle;
}

}  // namespace zv
