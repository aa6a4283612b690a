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

// A piece between two cuts lies wholly inside or outside, but its midpoint
// may be a vertex the line touches: then the points a quarter in decide.
bool PieceInside(const std::vector<Polyline>& rings, double x1, double x2, double y) {
  const int middle = InsideRings(rings, {(x1 + x2) / 2, y});
  if (middle != 2) return middle == 1;
  return InsideRings(rings, {x1 + (x2 - x1) / 4, y}) == 1 && InsideRings(rings, {x2 - (x2 - x1) / 4, y}) == 1;
}

// The rings turned counter-clockwise by the angle, with their y extent.
struct TurnedRings {
  std::vector<Polyline> rings;
  double ymin = INFINITY, ymax = -INFINITY;
};

TurnedRings TurnRings(const std::vector<Polyline>& rings, double angle) {
  TurnedRings out;
  for (const Polyline& ring : rings) {
    if (ring.size() < 3) continue;
    Polyline t;
    for (const D_DOT& p : ring) {
      t.push_back(Turn(p, angle, false));
      out.ymin = std::min(out.ymin, t.back().y);
      out.ymax = std::max(out.ymax, t.back().y);
    }
    out.rings.push_back(std::move(t));
  }
  return out;
}

double RowCount(const TurnedRings& t, double spacing) {
  if (t.rings.empty()) return 0;
  if (!(spacing > 0)) return INFINITY;
  return std::floor((t.ymax - t.ymin) / spacing) + 1;
}

}  // namespace

double FillRowCount(const std::vector<Polyline>& rings, double angleDegrees, double spacing) {
  return RowCount(TurnRings(rings, angleDegrees * kRadians), spacing);
}

std::vector<Polyline> FillLines(const std::vector<Polyline>& rings, double angleDegrees, double spacing) {
  std::vector<Polyline> fills;
  const double angle = angleDegrees * kRadians;
  const TurnedRings t = TurnRings(rings, angle);
  const double rows = RowCount(t, spacing);
  if (rows == 0 || !(rows <= kMostFillRows)) return fills;
  const std::vector<Polyline>& turned = t.rings;
  const double ymin = t.ymin;
  const auto count = static_cast<long long>(rows);
  std::vector<double> xs, splits;
  for (long long i = 0; i < count; ++i) {
    const double y = ymin + static_cast<double>(i) * spacing;
    xs.clear();
    splits.clear();
    // Half-open rule: an edge crosses when its ends lie on different sides
    // of "above y", so a vertex the outline passes through counts once and a
    // touching vertex twice at one place (the two cancel) or not at all. An
    // edge lying on the line only splits it at its ends: the piece along it
    // is boundary and the pieces beside it stand apart.
    for (const Polyline& ring : turned) {
      for (std::size_t j = 0, k = ring.size() - 1; j < ring.size(); k = j++) {
        const D_DOT& a = ring[k];
        const D_DOT& b = ring[j];
        if (a.y == y && b.y == y) {
          splits.push_back(a.x);
          splits.push_back(b.x);
          continue;
        }
        if ((a.y > y) == (b.y > y)) continue;
        xs.push_back(a.x + (y - a.y) * (b.x - a.x) / (b.y - a.y));
      }
    }
    std::sort(xs.begin(), xs.end());
    std::vector<double> cuts;
    for (std::size_t j = 0; j < xs.size(); ++j) {
      if (j + 1 < xs.size() && xs[j + 1] == xs[j]) {
        ++j;
        continue;
      }
      cuts.push_back(xs[j]);
    }
    cuts.insert(cuts.end(), splits.begin(), splits.end());
    std::sort(cuts.begin(), cuts.end());
    for (std::size_t j = 1; j < cuts.size(); ++j) {
      if (!(cuts[j] > cuts[j - 1])) continue;
      if (!PieceInside(turned, cuts[j - 1], cuts[j], y)) continue;
      fills.push_back({Turn({cuts[j - 1], y}, angle, true), Turn({cuts[j], y}, angle, true)});
    }
  }
  return fills;
}

double ChordAngleDegrees(const Polyline& line) {
  if (line.size() < 2) return 0;
  return std::atan2(line.back().y - line.front().y, line.back().x - line.front().x) / kRadians;
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
