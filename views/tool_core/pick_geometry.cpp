#include "views/tool_core/pick_geometry.h"

#include <cmath>
#include <cstdio>

#include "framework/text/numbers.h"
#include "platform/data/geometry.h"

namespace zv::toolview {

double PickBearing(const D_DOT& from, const D_DOT& to) {
  const double angle = BasSegmentAngle(from, to) * 57.29577951308232;
  const double a = 360.0 - angle;
  return a < 270.0 ? a + 90.0 : a - 270.0;
}

std::string PickReadout(double length, double bearing) {
  return "线长：" + num::Format("%f", length) + "  ,角度：" + num::Format("%f", bearing);
}

bool OrthoState::TakePress(bool orthoOn) {
  if (!orthoOn) return false;
  if (counter_ == 0) counter_ = 2;
  const bool replace = counter_ == 1 || presses_ > 0;
  if (presses_ < INT16_MAX) ++presses_;
  return replace && reference_.has_value();
}

void OrthoState::AfterPress() {
  if (counter_ == 0) counter_ = 1;
}

D_DOT OrthoState::Constrain(const D_DOT& cursor, const D_DOT& pressed) {
  const double dx = cursor.x - pressed.x, dy = cursor.y - pressed.y;
  return std::fabs(dx) >= std::fabs(dy) ? D_DOT{cursor.x, pressed.y} : D_DOT{pressed.x, cursor.y};
}

}  // namespace zv::toolview
