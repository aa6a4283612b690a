#include "zavediz/plan/geology_reading.h"

#include <algorithm>

#include "common/line_intersection.h"
#include "common/segment_tests.h"
#include "platform/data/geometry.h"
#include "zavediz/plan/plan_messages.h"
#include "zavediz/plan/section_geometry.h"
#include "zavediz/plan/terrain_profile.h"

namespace zv::zavediz {
namespace {

constexpr const char* kBoundaryName = "inf";

struct Hit {
  double along = 0.0;  // plan distance from the line's start
  int32_t arc = 0;
  D_DOT at{};
};

D_DOT PlanPoint(const D_DOT& ground, int32_t planScale) {
  return D_DOT{ground.x * 1000.0 / planScale, ground.y * 1000.0 / planScale};
}

// Where `p` lies against the line start → end: 0 exactly on it, the sign
// telling the side (the measure the segment test uses).
double SideOf(const D_DOT& start, const D_DOT& end, const D_DOT& p) {
  return (start.y - p.y) * end.x + (end.y - start.y) * p.x + (p.y - end.y) * start.x;
}

// An arc passing through the line at one of its vertices: the segment test
// counts no end point lying on the line, so neither segment at that vertex
// crosses, yet the boundary does. A vertex touched from one side is no
// crossing.
void AddVertexCrossings(const D_DOT& start, const D_DOT& end, int32_t id, const std::vector<D_DOT>& arc,
                        std::vector<Hit>& hits) {
  const double dx = end.x - start.x, dy = end.y - start.y;
  const double length2 = dx * dx + dy * dy;
  for (size_t k = 1; k + 1 < arc.size(); ++k) {
    const D_DOT& p = arc[k];
    if (SideOf(start, end, p) != 0.0) continue;
    const double along = (p.x - start.x) * dx + (p.y - start.y) * dy;
    if (!(along > 0.0 && along < length2)) continue;
    if (SideOf(start, end, arc[k - 1]) * SideOf(start, end, arc[k + 1]) < 0.0)
      hits.push_back({BasPointDistance(start, p), id, p});
  }
}

// The ends of the line and every proper crossing of an arc segment with it,
// in order along the line (ties keep the arcs' order).
std::vector<Hit> CrossingsAlong(const D_DOT& start, const D_DOT& end, WorkAreaHandle regionArea) {
  std::vector<Hit> inner;
  int32_t firstArc = 0;
  int32_t live = 0, bound = 0;
  BasGetLineCount(regionArea, &live, &bound);
  std::vector<D_DOT> arc;
  for (int32_t id = 1; id < bound; ++id) {
    if (BasReadLine(regionArea, id, &arc, nullptr) <= 0 || arc.size() < 2) continue;
    if (firstArc == 0) firstArc = id;
    for (size_t k = 1; k < arc.size(); ++k) {
      const D_DOT& a = arc[k - 1];
      const D_DOT& b = arc[k];
      if (!SegmentsIntersect(start.x, start.y, end.x, end.y, a.x, a.y, b.x, b.y)) continue;
      const D_DOT at = LineIntersectionPoint(start, end, a, b);
      inner.push_back({BasPointDistance(start, at), id, at});
    }
    AddVertexCrossings(start, end, id, arc, inner);
  }
  if (firstArc == 0) return {};
  std::stable_sort(inner.begin(), inner.end(), [](const Hit& l, const Hit& r) { return l.along < r.along; });
  std::vector<Hit> hits;
  hits.reserve(inner.size() + 2);
  hits.push_back({0.0, firstArc, start});
  hits.insert(hits.end(), inner.begin(), inner.end());
  hits.push_back({BasPointDistance(start, end), firstArc, end});
  return hits;
}

D_DOT ProfilePointAt(const CPointRecList& terrain, int32_t position) {
  int32_t id = 0;
  D_DOT p{};
  terrain.GetAt(position, id, p.x, p.y);
  return p;
}

}  // namespace

GeologyReading ReadGeologyCrossings(SectionData& data, bool& geologyRead, WorkAreaHandle regionArea) {
  GeologyReading reading;
  if (!data.lineStored) {
    reading.refused = true;
    reading.messages.push_back(kNoTerrainDataMessage);
    return reading;
  }
  const std::vector<Hit> hits =
      CrossingsAlong(PlanPoint(data.groundStart, data.planScale), PlanPoint(data.groundEnd, data.planScale), regionArea);
  data.geologyCrossings.RemoveAll();
  for (const Hit& h : hits) data.geologyCrossings.InsertAt(data.geologyCrossings.GetCount() + 1, h.arc, h.at.x, h.at.y, "", 0.0);

  // Without a single arc (no region file, or an empty one) nothing was read:
  // the line waits for a reading with arcs.
  if (hits.empty()) {
    if (!geologyRead) reading.messages.push_back(kNoArcCrossedMessage);
    return reading;
  }
  if (!geologyRead) {
    data.geologyBoundary.RemoveAll();
    const auto n = static_cast<int32_t>(hits.size());
    std::string outside;
    for (int32_t i = 1; i <= n; ++i) {
      const Hit& h = hits[static_cast<size_t>(i - 1)];
      D_DOT point{};
      if (i == 1) {
        point = ProfilePointAt(data.terrain, 1);
      } else if (i == n) {
        point = ProfilePointAt(data.terrain, data.terrain.GetCount());
      } else {
        point.x = ZavedizDistanceOfPoint(data, h.at.x, h.at.y);
        point.y = ElevationOrOutside(data.terrain, point.x, outside);
      }
      data.geologyBoundary.InsertAt(i, h.arc, point.x, point.y, kBoundaryName, 0.0);
      if (1 < i && i < n) data.terrain.AddSorted(h.arc, point.x, point.y, kBoundaryName);
    }
    if (!outside.empty()) reading.messages.push_back(outside);
    if (hits.size() <= 2) reading.messages.push_back(kNoArcCrossedMessage);
    geologyRead = true;
  }
  return reading;
}

}  // namespace zv::zavediz
