#include "platform/editors/inside_tests.h"

#include <algorithm>
#include <cmath>

#include "platform/data/geometry.h"
#include "platform/editors/nearest.h"

namespace zv {
namespace {

constexpr double kRelativeOn = 1e-10;

OutlineRings RegionRings(WorkAreaHandle area, int32_t id) {
  OutlineRings rings;
  if (BasGetRegionRings(area, id, &rings) != 1) return {};
  return rings;
}

}  // namespace

InsideTest::InsideTest(const OutlineRings& rings) : rings_(rings) {
  double scale = 0;
  for (const auto& ring : rings)
    for (const D_DOT& v : ring) {
      scale = std::max({scale, std::fabs(v.x), std::fabs(v.y)});
      box_ = empty_ ? D_RECT{v.x, v.y, v.x, v.y}
                    : D_RECT{std::min(box_.xmin, v.x), std::min(box_.ymin, v.y), std::max(box_.xmax, v.x),
                             std::max(box_.ymax, v.y)};
      empty_ = false;
    }
  scale = std::max(scale, std::hypot(box_.xmax - box_.xmin, box_.ymax - box_.ymin));
  tolerance_ = scale * kRelativeOn;
}

bool InsideTest::Covers(const D_DOT& p) const {
  if (p.x < box_.xmin - tolerance_ || p.x > box_.xmax + tolerance_ || p.y < box_.ymin - tolerance_ ||
      p.y > box_.ymax + tolerance_)
    return false;
  bool inside = false;
  for (const auto& ring : rings_) {
    const int side = BasPointInPolygon(ring, p);
    if (side == 2) return true;
    if (side == 1) inside = !inside;
  }
  if (inside) return true;
  // Outside by the rule, yet maybe on an edge up to rounding.
  return std::any_of(rings_.begin(), rings_.end(),
                     [&](const auto& ring) { return ring.size() > 1 && DistanceToPolyline(ring, p) <= tolerance_; });
}

bool InsideTest::Point(const D_DOT& p) const { return !empty_ && Covers(p); }

bool InsideTest::Line(const std::vector<D_DOT>& v) const {
  if (empty_ || v.empty()) return false;
  for (std::size_t i = 0; i < v.size(); ++i) {
    if (!Covers(v[i])) return false;
    if (i > 0 && !Covers({(v[i - 1].x + v[i].x) / 2, (v[i - 1].y + v[i].y) / 2})) return false;
  }
  return true;
}

bool InsideTest::Region(const OutlineRings& region) const {
  return !empty_ && !region.empty() &&
         std::all_of(region.begin(), region.end(), [&](const auto& ring) { return Line(ring); });
}

int IsPointInPolygon(const D_DOT& p, const OutlineRings& outline) { return InsideTest(outline).Point(p) ? 1 : 0; }

int IsLineInPolygon(const std::vector<D_DOT>& line, const OutlineRings& outline, int) {
  return InsideTest(outline).Line(line) ? 1 : 0;
}

int IsRegionInPolygon(const OutlineRings& region, const OutlineRings& outline, int) {
  return InsideTest(outline).Region(region) ? 1 : 0;
}

int IsLineInRegion(WorkAreaHandle lineArea, int32_t line, WorkAreaHandle regionArea, int32_t region) {
  std::vector<D_DOT> vertices;
  if (BasReadLine(lineArea, line, &vertices, nullptr) <= 0) return 0;
  return IsLineInPolygon(vertices, RegionRings(regionArea, region));
}

int IsRegionInRegion(WorkAreaHandle area, int32_t region, WorkAreaHandle outerArea, int32_t outer) {
  return IsRegionInPolygon(RegionRings(area, region), RegionRings(outerArea, outer));
}

}  // namespace zv
