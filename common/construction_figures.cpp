#include "common/construction_figures.h"

#include <algorithm>
#include <cmath>

#include "common/tool_geometry.h"

namespace {

const FigureMode kModes[] = {
    {103, 2, {kTypedXY, kTypedXY, kTypedXY}, 1},
    {105, 3, {kTypedXY, kTypedXY, kTypedXY}, 2},
    {106, 3, {kTypedXY, kTypedXY, kTypedXY}, 2},
    {107, 2, {kTypedXY, kTypedLength, kTypedLength}, 1},
    {108, 3, {kTypedXY, kTypedXY, kTypedXY}, 2},
    {109, 3, {kTypedXY, kTypedXY, kTypedXY}, 2},
    {110, 3, {kTypedXY, kTypedXY, kTypedXY}, 2},
    {112, 3, {kTypedXY, kTypedXY, kTypedXY}, 2},
    {118, 2, {kTypedXY, kTypedLength, kTypedLength}, 1},
};

}  // namespace

const FigureMode* FindFigureMode(int16_t mode) {
  for (const FigureMode& row : kModes)
    if (row.mode == mode) return &row;
  return nullptr;
}

namespace {

std::vector<D_DOT> Figure(int16_t mode, const std::vector<D_DOT>& fixed, const D_DOT& at, int sides) {
  switch (mode) {
    case 103:
      return RectangleFigure(fixed[0], at);
    case 105:
      return ParallelogramFigure(fixed[0], fixed[1], at);
    case 106:
      return EllipseFigure(fixed[0], fixed[1], at);
    case 107:
      return EllipseFigure(fixed[0], fixed[0], at);
    case 108:
    case 109:
      return TriangleCircleFigure(fixed[0], fixed[1], at, mode == 108);
    case 110:
      return CentreArcFigure(fixed[0], fixed[1], at);
    case 112:
      return ThreePointArcFigure(fixed[0], fixed[1], at);
    case 118:
      return RegularPolygonFigure(fixed[0], at, sides);
  }
  return {};
}

// The rectangle and the parallelogram collapse onto a line when their points
// do.
bool ClosedOutline(int16_t mode) { return mode == 103 || mode == 105; }

}  // namespace

std::vector<D_DOT> FigureFor(int16_t mode, const std::vector<D_DOT>& fixed, const D_DOT& at, int sides) {
  const FigureMode* row = FindFigureMode(mode);
  if (!row || static_cast<int>(fixed.size()) < row->figureFrom) return {};
  std::vector<D_DOT> figure = Figure(mode, fixed, at, sides);
  if (!DrawableFigure(figure) || (ClosedOutline(mode) && !SpansArea(figure))) return {};
  return figure;
}

bool DrawableFigure(const std::vector<D_DOT>& points) {
  const auto finite = [](const D_DOT& p) { return std::isfinite(p.x) && std::isfinite(p.y); };
  if (points.empty() || !std::all_of(points.begin(), points.end(), finite)) return false;
  const D_DOT& first = points.front();
  return std::any_of(points.begin(), points.end(), [&](const D_DOT& p) { return p.x != first.x || p.y != first.y; });
}

bool SpansArea(const std::vector<D_DOT>& ring) {
  if (ring.size() < 3) return false;
  const D_DOT& origin = ring[0];
  D_DOT far = origin;
  double size = 0;
  for (const D_DOT& p : ring) {
    const double d = std::hypot(p.x - origin.x, p.y - origin.y);
    if (d > size) size = d, far = p;
  }
  if (!(size > 0)) return false;
  return std::any_of(ring.begin(), ring.end(), [&](const D_DOT& p) {
    const double cross = (far.x - origin.x) * (p.y - origin.y) - (far.y - origin.y) * (p.x - origin.x);
    return std::fabs(cross) > 1e-12 * size * size;
  });
}
