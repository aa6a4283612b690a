#include "platform/editors/nearest.h"

#include <algorithm>
#include <cmath>

#include "platform/data/geometry.h"

namespace zv {

namespace {

// Lower bound of the distance from p to anything inside the rectangle.
double RectDistance(const D_RECT& r, const D_DOT& p) {
  const double dx = std::max({r.xmin - p.x, 0.0, p.x - r.xmax});
  const double dy = std::max({r.ymin - p.y, 0.0, p.y - r.ymax});
  return std::hypot(dx, dy);
}

template <class Visit>
void ForEachVisible(WorkAreaHandle area, int type, Visit visit) {
  int32_t live = 0, bound = 0;
  if (!BasGetEntityCount(area, type, &live, &bound)) return;
  for (int32_t id = 1; id < bound; ++id)
    if (EntityVisible(area, type, id)) visit(id);
}

bool Inside(const D_RECT& outer, const D_RECT& inner) {
  return inner.xmin >= outer.xmin && inner.xmax <= outer.xmax && inner.ymin >= outer.ymin && inner.ymax <= outer.ymax;
}

}  // namespace

namespace {

bool ReadLayer(WorkAreaHandle area, int entityType, int32_t id, int* layer) {
  switch (entityType) {
    case kPointEntity: {
      PNT_INFO i;
      if (!BasReadPointParam(area, id, &i)) return false;
      *layer = i.layer();
      return true;
    }
    case kLineEntity: {
      LIN_INFO i;
      if (!BasReadLineParam(area, id, &i)) return false;
      *layer = i.layer();
      return true;
    }
    case kRegionEntity: {
      REG_INFO i;
      if (!BasReadRegionParam(area, id, &i)) return false;
      *layer = i.layer();
      return true;
    }
    default: return false;
  }
}

}  // namespace

int EntityLayer(WorkAreaHandle area, int entityType, int32_t id) {
  int layer = -1;
  return ReadLayer(area, entityType, id, &layer) ? layer : -1;
}

bool EntityVisible(WorkAreaHandle area, int entityType, int32_t id) {
  int layer = 0;
  return ReadLayer(area, entityType, id, &layer) && BasIsLayerOn(area, layer) != 0;
}

double DistanceToPolyline(const std::vector<D_DOT>& v, const D_DOT& p, int32_t* segment) {
  double best = std::numeric_limits<double>::infinity();
  if (v.size() == 1) best = BasPointDistance(v[0], p);
  for (std::size_t i = 1; i < v.size(); ++i) {
    const double d = BasPointToSegmentDistance(p, v[i - 1], v[i]);
    if (d < best) {
      best = d;
      if (segment) *segment = static_cast<int32_t>(i - 1);
    }
  }
  return best;
}

NearestHit NearestPoint(WorkAreaHandle area, const D_DOT& p, double within) {
  NearestHit hit;
  hit.distance = within;
  ForEachVisible(area, kPointEntity, [&](int32_t id) {
    D_DOT at;
    if (!BasReadPointPos(area, id, &at)) return;
    const double d = BasPointDistance(at, p);
    if (d < hit.distance || (d == within && !hit)) hit = {id, d};
  });
  if (!hit) hit.distance = std::numeric_limits<double>::infinity();
  return hit;
}

NearestHit NearestLine(WorkAreaHandle area, const D_DOT& p, double within) {
  NearestHit hit;
  hit.distance = within;
  std::vector<D_DOT> vertices;
  ForEachVisible(area, kLineEntity, [&](int32_t id) {
    D_RECT r;
    if (BasGetLineRect(area, id, &r) && RectDistance(r, p) > hit.distance) return;
    if (!BasReadLine(area, id, &vertices, nullptr)) return;
    const double d = DistanceToPolyline(vertices, p);
    if (d < hit.distance || (d == within && !hit)) hit = {id, d};
  });
  if (!hit) hit.distance = std::numeric_limits<double>::infinity();
  return hit;
}

int32_t RegionContaining(WorkAreaHandle area, const D_DOT& p) {
  const std::vector<int32_t> order = BasGetDisplayOrder(area, kRegionEntity);
  std::vector<std::vector<D_DOT>> rings;
  for (auto it = order.rbegin(); it != order.rend(); ++it) {
    if (!EntityVisible(area, kRegionEntity, *it)) continue;
    D_RECT r;
    if (BasGetRegionRect(area, *it, &r) && !BasPointInRect(r, p)) continue;
    if (!BasGetRegionRings(area, *it, &rings)) continue;
    bool inside = false;
    for (const auto& ring : rings)
      if (BasPointInPolygon(ring, p) != 0) inside = !inside;
    if (inside) return *it;
  }
  return 0;
}

NearestVertexHit NearestVertexOfLine(WorkAreaHandle area, int32_t line, const D_DOT& p) {
  NearestVertexHit hit;
  std::vector<D_DOT> v;
  if (!BasReadLine(area, line, &v, nullptr)) return hit;
  for (std::size_t i = 0; i < v.size(); ++i) {
    const double d = BasPointDistance(v[i], p);
    if (d < hit.distance) hit = {line, static_cast<int32_t>(i), v[i], d};
  }
  return hit;
}

NearestVertexHit NearestVertex(WorkAreaHandle area, const D_DOT& p) {
  NearestVertexHit hit;
  ForEachVisible(area, kLineEntity, [&](int32_t id) {
    D_RECT r;
    if (BasGetLineRect(area, id, &r) && RectDistance(r, p) >= hit.distance) return;
    const NearestVertexHit h = NearestVertexOfLine(area, id, p);
    if (h.distance < hit.distance) hit = h;
  });
  return hit;
}

std::vector<int32_t> EntitiesInsideRect(WorkAreaHandle area, int entityType, const D_RECT& rect) {
  std::vector<int32_t> ids;
  for (int32_t id : BasGetDisplayOrder(area, entityType)) {
    if (!EntityVisible(area, entityType, id)) continue;
    D_RECT r;
    bool ok = false;
    if (entityType == kPointEntity) {
      D_DOT at;
      ok = BasReadPointPos(area, id, &at) != 0;
      r = {at.x, at.y, at.x, at.y};
    } else if (entityType == kLineEntity) {
      ok = BasGetLineRect(area, id, &r) != 0;
    } else {
      ok = BasGetRegionRect(area, id, &r) != 0;
    }
    if (ok && Inside(rect, r)) ids.push_back(id);
  }
  return ids;
}

}  // namespace zv
