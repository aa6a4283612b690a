#include "exchange/dxf/dxf_geometry.h"

#include <cmath>

#include "exchange/dxf/dxf_arcs.h"

namespace zv::dxf {

void AlignTextPosition(D_DOT& position, double height, double width, int attachment) {
  if (attachment < 1 || attachment > 9) {
    position.x += height;
    position.y += height;
    return;
  }
  const int column = (attachment - 1) % 3;  // 0 left, 1 centre, 2 right
  const int row = (attachment - 1) / 3;     // 0 top, 1 middle, 2 bottom
  position.x -= column * width / 2;
  position.y -= (2 - row) * height / 2;
}

void ScaleRotatePoint(double cx, double cy, D_DOT& p, double angleDegrees, double sx, double sy) {
  const double dx = (p.x - cx) * sx;
  const double dy = (p.y - cy) * sy;
  const double a = angleDegrees * kDegree;
  p = {cx + dx * std::cos(a) - dy * std::sin(a), cy + dx * std::sin(a) + dy * std::cos(a)};
}

}  // namespace zv::dxf
