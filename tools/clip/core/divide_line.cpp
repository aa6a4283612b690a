#include "tools/clip/core/divide_line.h"

#include <algorithm>
#include <chrono>
#include <cmath>
#include <memory>
#include <random>

#include "common/tool_geometry.h"
#include "platform/data/geometry.h"

namespace zv::tools {
namespace {

constexpr double kRandomMax = 32767.0;

double Offset(int direction, double range, int r) {
  switch (direction) {
    case 0: return r * range * 2 / kRandomMax - range;
    case 1: return r * range / kRandomMax;
    case 2: return -(r * range / kRandomMax);
    default: return 0;
  }
}

// Where a target falls: the segment and the point on it.
struct Placed {
  double target;
  std::size_t segment;  // the segment's start vertex; the last vertex for the end
  D_DOT point;
};

Placed Place(const std::vector<D_DOT>& line, double target) {
  const PolylinePosition at = PositionAlong(line, target);
  return {target, at.segment, at.point};
}

}  // namespace

Division DivideLine(const std::vector<D_DOT>& line, double step, int32_t parts, int direction, double range,
                    const RandomDraw& draw) {
  Division out;
  if (line.empty()) return out;
  const double length = BasPolylineLength(line);
  std::vector<Placed> placed;
  for (int32_t k = 1; k <= parts; ++k) {
    draw();
    const double target = std::clamp(k * step + Offset(direction, range, draw()), 0.0, length);
    placed.push_back(Place(line, target));
    out.points.push_back(placed.back().point);
  }
  std::stable_sort(placed.begin(), placed.end(), [](const Placed& a, const Placed& b) { return a.target < b.target; });
  auto add = [&](const D_DOT& p) {
    if (out.vertices.empty() || out.vertices.back().x != p.x || out.vertices.back().y != p.y) out.vertices.push_back(p);
  };
  auto next = placed.begin();
  for (std::size_t j = 0; j < line.size(); ++j) {
    add(line[j]);
    for (; next != placed.end() && next->segment == j; ++next) add(next->point);
  }
  return out;
}

DivisionPlan PlanByDistance(double length, double distance) {
  const double parts = std::trunc(length / distance) + 1;
  if (!(parts <= kMostDivisions)) return {distance, 0, true};
  return {distance, static_cast<int32_t>(parts)};
}

DivisionPlan PlanByParts(double length, int32_t parts) {
  if (parts > kMostDivisions) return {length / parts, 0, true};
  return {length / parts, parts};
}

RandomDraw ClockSeededDraw() {
  auto engine = std::make_shared<std::minstd_rand>(
      static_cast<unsigned>(std::chrono::system_clock::now().time_since_epoch().count()));
  return [engine] { return static_cast<int>((*engine)() % 32768); };
}

}  // namespace zv::tools
