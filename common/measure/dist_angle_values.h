#pragma once
// The values of the distance-and-angle window: map distance and total
// length in millimetres, their real lengths in metres at the scale, and
// the line angle with its relative angle (measured from north).

namespace zv {

struct DistAngleValues {
  double lineAngle = 0;      // degrees
  double relativeAngle = 0;  // degrees
  double mapDistance = 0;    // mm
  double totalLength = 0;    // mm
  double realDistance = 0;   // m
  double realTotal = 0;      // m
  long scale = 1000;
};

// The real lengths from the map lengths at the scale.
void UpdateRealLengths(DistAngleValues& v);

// The relative angle of a line angle: 90 − a for a in [−270, 360],
// −270 − a between −360 and −270. At exactly −360 nothing fits: the
// relative angle stays as it was (false).
bool RelativeFromLine(double lineAngle, double& relative);
// A line angle brought into [−360, 360] by steps of 360.
double FoldAngle(double angle);

}  // namespace zv
