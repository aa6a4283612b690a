#include "tools/line/core/fill_lines.h"

#include <algorithm>
#include <cmath>
#include <numbers>

#include "common/tool_geometry.h"
#include "platform/data/geometry.h"

namespace zv::tools {
namespace {

constexpr double kRadians = std::numbers::pi / 180;

D_DOT Turn(const D_DOT& p, double angle, bool clockwise) {
  D_DOT out{};
  RotateVector(p.x, p.y, &out, angle, clockwise);
  return out;
}

// Even-odd over every ring: 1 strictly inside, 2 on a ring, 0 outside.
int InsideRings(const std::vector<Polyline>& rings, const D_DOT& p) {
  int inside = 0;
  for (const Polyline& ring : rings) {
    const int where = BasPointInPolygon(ring, p);
    if (where == 2) return 2;
    inside ^= where;
  }
  return inside;
}

}  // namespace

std::vector<Polyline> FillLines(const std::vector<Polyline>& rings, double angleDegrees, double spacing) {
  std::vector<Polyline> fills;
  if (!(spacing > 0)) return fills;
  const double angle = angleDegrees * kRadians;
  std::vector<Polyline> turned;
  double ymin = INFINITY, ymax = -INFINITY;
  for (const Polyline& ring : rings) {
    if (ring.size() < 3) continue;
    Polyline t;
    for (const D_DOT& p : ring) {
      t.push_back(Turn(p, angle, false));
      ymin = std::min(ymin, t.back().y);
      ymax = std::max(ymax, t.back().y);
    }
    turned.push_back(std::move(t));
  }
  if (turned.empty()) return fills;
  const auto count = static_cast<long long>((ymax - ymin) / spacing) + 1;
  std::vector<double> xs;
  for (long long i = 0; i < count; ++i) {
    const double y = ymin + static_cast<double>(i) * spacing;
    xs.clear();
    // Half-open rule: an edge crosses when its ends lie on different sides
    // of "above y", so a vertex the outline passes through counts once and a
    // touching vertex twice (a zero-length piece) or not at all.
    for (const Polyline& ring : turned) {
      for (std::size_t j = 0, k = ring.size() - 1; j < ring.size(); k = j++) {
        const D_DOT& a = ring[k];
        const D_DOT& b = ring[j];
        if ((a.y > y) == (b.y > y)) continue;
        xs.push_back(a.x + (y - a.y) * (b.x - a.x) / (b.y - a.y));
      }
    }
    std::sort(xs.begin(), xs.end());
    for (std::size_t j = 1; j < xs.size(); ++j) {
      if (!(xs[j] > xs[j - 1])) continue;
      if (InsideRings(turned, {(xs[j - 1] + xs[j]) / 2, y}) != 1) continue;
      fills.push_back({Turn({xs[j - 1], y}, angle, true), Turn({xs[j], y}, angle, true)});
    }
  }
  return fills;
}

double ChordAngleDegrees(const Polyline& line) {
  if (line.size() < 2) return 0;
  return std::atan2(line.back().y - line.front().y, line.back().x - line.front().x) / kRadians;
}

double RelativeAngleDegrees(double angleDegrees) {
  return angleDegrees >= -270 && angleDegrees <= 360 ? 90 - angleDegrees : -270 - angleDegrees;
}

std::optional<Polyline> TurnAndStretch(const Polyline& line, double newLength, double newAngleDegrees) {
  const double length = BasPolylineLength(line);
  if (line.size() < 2 || !(length > 0)) return std::nullopt;
  const double k = newLength / length;
  const double t = (newAngleDegrees - ChordAngleDegrees(line)) * kRadians;
  const D_DOT w0 = line.front();
  Polyline out;
  for (const D_DOT& v : line) {
    const D_DOT turned = Turn({v.x - w0.x, v.y - w0.y}, t, false);
    out.push_back({w0.x + k * turned.x, w0.y + k * turned.y});
  }
  return out;
}

}  // namespace zv::tools
